#include "viewer/PictureBox.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "platform/Twips.h"

namespace Tabulon {

namespace {
QPointF TwipsAt(const QPointF& pixels) {
    return {TwipsFromPixels(pixels.x()), TwipsFromPixels(pixels.y())};
}

float TwipsX(const QMouseEvent* event) {
    return static_cast<float>(TwipsFromPixels(event->position().x()));
}

// The middle of the pixel a twips position falls in.
double PixelCentre(int32_t twips) {
    return std::floor(twips / double{TwipsPerPixel}) + 0.5;
}
}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), target_(devicePixelRatioF()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::SetTwipsGeometry(int32_t left, int32_t top, int32_t width, int32_t height) {
    // Each edge is rounded on its own, so controls placed side by side in
    // twips never open a one-pixel gap between them.
    const int x = PixelsFromTwips(left);
    const int y = PixelsFromTwips(top);
    setGeometry(x, y, PixelsFromTwips(left + width) - x, PixelsFromTwips(top + height) - y);
    if (width != target_.PictureWidth() || height != target_.PictureHeight() ||
        devicePixelRatioF() != target_.DevicePixelRatio()) {
        target_.SetDevicePixelRatio(devicePixelRatioF());
        target_.Resize(width, height);
        update();
    }
}

int PictureBox::AddLine(const LineElement& line) {
    lines_.push_back(line);
    update();
    return static_cast<int>(lines_.size()) - 1;
}

void PictureBox::SetLine(int index, const LineElement& line) {
    lines_.at(static_cast<size_t>(index)) = line;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColour_);
    painter.drawImage(QPointF(0, 0), target_.Image());
    for (const LineElement& line : lines_) {
        if (!line.visible) continue;
        painter.setPen(QPen(line.colour, 0));
        painter.drawLine(QPointF(PixelCentre(line.x1), PixelCentre(line.y1)),
                         QPointF(PixelCentre(line.x2), PixelCentre(line.y2)));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), TwipsX(event));
    emit PressedAt(event->button(), event->modifiers(), TwipsAt(event->position()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event->buttons(), TwipsX(event));
    emit MovedAt(event->buttons(), TwipsAt(event->position()));
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
    emit MenuAskedAt(event->globalPos(), TwipsAt(event->pos()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(event->button(), TwipsX(event));
}

}  // namespace Tabulon
