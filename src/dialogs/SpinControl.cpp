#include "dialogs/SpinControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace Tabulon {

namespace {
// Held arrows start repeating after a short pause, as scroll arrows do.
constexpr int FirstRepeatDelayMs = 400;
constexpr int RepeatIntervalMs = 60;
}  // namespace

SpinControl::SpinControl(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    connect(&repeatTimer_, &QTimer::timeout, this, &SpinControl::Repeat);
}

void SpinControl::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    SetValue(value_);
}

void SpinControl::SetValue(int value) {
    value = std::clamp(value, minimum_, maximum_);
    if (value == value_) return;
    value_ = value;
    update();
    emit Changed(value_);
}

QRect SpinControl::UpperArrow() const {
    return QRect(0, 0, width(), height() / 2);
}

QRect SpinControl::LowerArrow() const {
    const int top = height() / 2;
    return QRect(0, top, width(), height() - top);
}

void SpinControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const struct {
        QRect rect;
        QStyle::PrimitiveElement arrow;
        int step;
    } arrows[] = {{UpperArrow(), QStyle::PE_IndicatorArrowUp, +1},
                  {LowerArrow(), QStyle::PE_IndicatorArrowDown, -1}};
    for (const auto& a : arrows) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = a.rect;
        button.state |= QStyle::State_Raised;
        if (pressedStep_ == a.step) button.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = a.rect.adjusted(2, 1, -2, -1);
        style()->drawPrimitive(a.arrow, &arrow, &painter, this);
    }
}

void SpinControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressedStep_ = UpperArrow().contains(event->position().toPoint()) ? +1 : -1;
    SetValue(value_ + pressedStep_);
    update();
    repeatTimer_.start(FirstRepeatDelayMs);
}

void SpinControl::mouseReleaseEvent(QMouseEvent*) {
    pressedStep_ = 0;
    repeatTimer_.stop();
    update();
}

void SpinControl::Repeat() {
    if (pressedStep_ == 0) return;
    repeatTimer_.setInterval(RepeatIntervalMs);
    SetValue(value_ + pressedStep_);
}

void SpinControl::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            SetValue(value_ + 1);
            break;
        case Qt::Key_Down:
            SetValue(value_ - 1);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace Tabulon
