#include "viewer/PageDesk.h"

#include <QApplication>
#include <QFrame>
#include <QScrollBar>
#include <algorithm>

#include "core/Rounding.h"
#include "platform/Twips.h"
#include "viewer/PictureBox.h"

namespace Tabulon {

namespace {
QRect PixelRect(const TwipsRect& r) {
    const int x = PixelsFromTwips(r.left);
    const int y = PixelsFromTwips(r.top);
    return QRect(x, y, PixelsFromTwips(r.left + r.width) - x,
                 PixelsFromTwips(r.top + r.height) - y);
}
}  // namespace

PageDesk::PageDesk(QWidget* client) : QObject(client) {
    line1_ = new QFrame(client);
    line1_->setObjectName(QStringLiteral("Line1"));
    line1_->setFrameShape(QFrame::HLine);
    line1_->setFrameShadow(QFrame::Plain);

    zemin_ = new QWidget(client);
    zemin_->setObjectName(QStringLiteral("Zemin"));
    zemin_->setAutoFillBackground(true);
    QPalette desk = zemin_->palette();
    desk.setColor(QPalette::Window, client->palette().color(QPalette::Dark));
    zemin_->setPalette(desk);

    cetvel_ = new PictureBox(zemin_);
    cetvel_->setObjectName(QStringLiteral("Cetvel"));
    cetvel_->SetBackColour(client->palette().color(QPalette::Window));
    canvas_ = new PictureBox(zemin_);
    canvas_->setObjectName(QStringLiteral("Canvas"));
    canvas_->SetBackColour(client->palette().color(QPalette::Base));
    line3_ = canvas_->AddLine(LineElement{true, 0, 0, 0, 0, QColor(255, 0, 0)});

    hScroll_ = new QScrollBar(Qt::Horizontal, zemin_);
    hScroll_->setObjectName(QStringLiteral("HScroll"));
    vScroll_ = new QScrollBar(Qt::Vertical, zemin_);
    vScroll_->setObjectName(QStringLiteral("VScroll"));
    for (QScrollBar* bar : {hScroll_, vScroll_}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setSingleStep(300);
        bar->setPageStep(3000);
        bar->setMaximum(0);
    }
    // The square between the bars' ends belongs to neither: without a piece
    // of its own there, a page larger than the desk showed through it.
    corner_ = new QWidget(zemin_);
    corner_->setObjectName(QStringLiteral("ScrollCorner"));
    corner_->setAutoFillBackground(true);
    QPalette corner = corner_->palette();
    corner.setColor(QPalette::Window, client->palette().color(QPalette::Window));
    corner_->setPalette(corner);
    // The bars report while the thumb is dragged too, so the page follows it.
    connect(hScroll_, &QScrollBar::valueChanged, this, &PageDesk::MovePageSideways);
    connect(vScroll_, &QScrollBar::valueChanged, this, &PageDesk::MovePageUpOrDown);
}

void PageDesk::LayOut(int32_t outerWidth, int32_t outerHeight) {
    layout_.LayOut(outerWidth, outerHeight);
    Apply();
    // Back to the page's top-left corner; each bar that moves runs its handler.
    hScroll_->setValue(0);
    vScroll_->setValue(0);
    layout_.Canvas.top = 500;
    layout_.Canvas.left = 200;
}

void PageDesk::Apply() {
    zemin_->setGeometry(PixelRect(layout_.Zemin));
    hScroll_->setGeometry(PixelRect(layout_.HScroll));
    vScroll_->setGeometry(PixelRect(layout_.VScroll));
    const int32_t cornerTop = layout_.VScroll.top + layout_.VScroll.height;
    corner_->setGeometry(PixelRect({layout_.VScroll.left, cornerTop, layout_.VScroll.width,
                                    layout_.Zemin.height - cornerTop}));
    line1_->setGeometry(PixelsFromTwips(layout_.Line1X1), 0,
                        PixelsFromTwips(layout_.Line1X2 - layout_.Line1X1), 1);
    ApplyCanvasPosition();
}

void PageDesk::ApplyCanvasPosition() {
    const TwipsRect& c = layout_.Canvas;
    canvas_->SetTwipsGeometry(c.left, c.top, c.width, c.height);
    const TwipsRect& r = layout_.Cetvel;
    cetvel_->SetTwipsGeometry(r.left, r.top, r.width, r.height);
    LineElement edge = canvas_->Line(line3_);
    edge.x1 = edge.x2 = layout_.Line3X;
    edge.y1 = 0;
    edge.y2 = layout_.Line3Y2;
    canvas_->SetLine(line3_, edge);
    hScroll_->raise();
    vScroll_->raise();
    corner_->raise();
}

void PageDesk::FitCanvas(float zoom, int32_t pageSizeX, int32_t pageSizeY) {
    layout_.FitCanvas(zoom, pageSizeX, pageSizeY);
    vScroll_->setMinimum(0);
    vScroll_->setMaximum(ScrollMaximum(layout_.Canvas.height, layout_.Zemin.height));
    hScroll_->setMinimum(0);
    hScroll_->setMaximum(ScrollMaximum(layout_.Canvas.width, layout_.Zemin.width));
    ApplyCanvasPosition();
}

void PageDesk::ScrollToCorner() {
    vScroll_->setValue(0);
    hScroll_->setValue(0);
}

void PageDesk::BringIntoView(double canvasY) {
    // Scrolled by v, the canvas's top stands 400 - v twips down the desk.
    const double onDesk = 400 - vScroll_->value() + canvasY;
    if (onDesk >= 200 && onDesk <= layout_.Zemin.height - 900) return;
    vScroll_->setValue(std::clamp(RoundHalfEven(canvasY + 400 - 1500), 0, vScroll_->maximum()));
}

void PageDesk::Wheel(int notches, const std::function<bool(int)>& turnPage) {
    if (notches == 0) return;
    const int value = vScroll_->value();
    if (notches < 0 && value >= vScroll_->maximum() && turnPage(+1)) {
        vScroll_->setValue(0);
    } else if (notches > 0 && value <= 0 && turnPage(-1)) {
        vScroll_->setValue(vScroll_->maximum());
    } else {
        const int step = QApplication::wheelScrollLines() * vScroll_->singleStep();
        vScroll_->setValue(value - notches * step);
    }
}

void PageDesk::MovePageSideways() {
    layout_.ScrollHorizontally(hScroll_->value());
    ApplyCanvasPosition();
}

void PageDesk::MovePageUpOrDown() {
    layout_.ScrollVertically(vScroll_->value());
    ApplyCanvasPosition();
}

}  // namespace Tabulon
