#include "dialogs/PagePreview.h"

#include <QPainter>
#include <QResizeEvent>

#include "platform/Twips.h"

namespace {

// The preview is not to scale: whatever the paper, it shows a 2800 x 3600 twip
// page (turned for landscape) centred in a 3800 twip square, and 15 twips per
// millimetre of margin.
constexpr float PreviewShortSide = 2800;
constexpr float PreviewLongSide = 3600;
constexpr float PreviewSquare = 3800;
constexpr float PreviewTwipsPerMillimetre = 15;
// Margin lines reach this far beyond the page box on both ends.
constexpr float MarginLineOverhang = 80;

const QColor MarginColour(128, 0, 0);

QPoint Pixel(float x, float y) {
    return QPoint(PixelsFromTwips(x), PixelsFromTwips(y));
}

}  // namespace

PagePreview::PagePreview(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    ResetPicture();
}

void PagePreview::ResetPicture() {
    // A hidden widget learns its size only when shown, so the picture follows
    // the geometry here as well as in resizeEvent.
    const QSize size = contentsRect().size().expandedTo(QSize(1, 1));
    const qreal ratio = devicePixelRatioF();
    if (!picture_.isNull() && picture_.size() == size * ratio) return;
    QImage fresh(size * ratio, QImage::Format_RGB32);
    fresh.setDevicePixelRatio(ratio);
    fresh.fill(palette().color(QPalette::Button));
    if (!picture_.isNull()) {
        QPainter painter(&fresh);
        painter.drawImage(0, 0, picture_);
    }
    picture_ = fresh;
}

void PagePreview::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    ResetPicture();
}

void PagePreview::DrawPreview(const PageSetupWorkingCopy& working) {
    const bool portrait = working.PageSizeX <= working.PageSizeY;
    const float pw = portrait ? PreviewShortSide : PreviewLongSide;
    const float ph = portrait ? PreviewLongSide : PreviewShortSide;
    const float x0 = (PreviewSquare - pw) / 2;
    const float y0 = (PreviewSquare - ph) / 2;
    const float left = static_cast<float>(working.SpaceX1) * PreviewTwipsPerMillimetre;
    const float right = static_cast<float>(working.SpaceX2) * PreviewTwipsPerMillimetre;
    const float top = static_cast<float>(working.SpaceY1) * PreviewTwipsPerMillimetre;
    const float bottom = static_cast<float>(working.SpaceY2) * PreviewTwipsPerMillimetre;
    const float w = static_cast<float>(contentsRect().width() * TwipsPerPixel);
    const float h = static_cast<float>(contentsRect().height() * TwipsPerPixel);

    ResetPicture();
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Erase the previous drawing.
    painter.fillRect(QRect(Pixel(1, 1), Pixel(w, h)), palette().color(QPalette::Button));

    // The far corner is (pw, ph) itself, not the origin plus the size: the page
    // box is drawn that way and the margin lines measure from the same corner.
    painter.setPen(QPen(Qt::black, 0));
    const QPoint corners[] = {Pixel(x0, y0), Pixel(pw, y0), Pixel(pw, ph), Pixel(x0, ph),
                              Pixel(x0, y0)};
    painter.drawPolyline(corners, 5);

    painter.setPen(QPen(MarginColour, 0));
    const float o = MarginLineOverhang;
    painter.drawLine(Pixel(x0 + left, y0 - o), Pixel(x0 + left, ph + o));
    painter.drawLine(Pixel(pw - right, y0 - o), Pixel(pw - right, ph + o));
    painter.drawLine(Pixel(x0 - o, y0 + top), Pixel(pw + o, y0 + top));
    painter.drawLine(Pixel(x0 - o, ph - bottom), Pixel(pw + o, ph - bottom));
    painter.end();
    update();
}

void PagePreview::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), picture_);
}
