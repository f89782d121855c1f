#include "dialogs/PagePreview.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

#include "platform/Twips.h"

namespace Tabulon {

namespace {

// The preview is not to scale: an A4 sheet is a 2800 x 3600 twip page
// (turned for landscape) centred in a 3800 twip square, and 15 twips per
// millimetre of margin. Other papers keep that box's corner and are drawn in
// proportion to A4, made smaller, margins too, when they would not fit.
constexpr float PreviewShortSide = 2800;
constexpr float PreviewLongSide = 3600;
constexpr float PreviewSquare = 3800;
constexpr float PreviewTwipsPerMillimetre = 15;
constexpr float A4Short = 11906, A4Long = 16838;
// How far the far corner may reach, so the margin lines' ends stay inside.
constexpr float PreviewReach = 3700;
// Margin lines reach this far beyond the page box on both ends.
constexpr float MarginLineOverhang = 80;

const QColor MarginColour(128, 0, 0);

// How much smaller than in proportion to A4 the paper is drawn: 1 when its
// box (A4's is boxWidth x boxHeight from x0, y0) fits as it is.
float ScaleToA4(const PageSetupWorkingCopy& working, float boxWidth, float boxHeight, float x0,
                float y0) {
    if (working.PageSizeX <= 0 || working.PageSizeY <= 0) return 1;
    const bool portrait = working.PageSizeX <= working.PageSizeY;
    const float width =
        boxWidth * static_cast<float>(working.PageSizeX) / (portrait ? A4Short : A4Long);
    const float height =
        boxHeight * static_cast<float>(working.PageSizeY) / (portrait ? A4Long : A4Short);
    return std::min({1.0f, (PreviewReach - x0) / width, (PreviewReach - y0) / height});
}

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
    float pw = portrait ? PreviewShortSide : PreviewLongSide;
    float ph = portrait ? PreviewLongSide : PreviewShortSide;
    const float x0 = (PreviewSquare - pw) / 2;
    const float y0 = (PreviewSquare - ph) / 2;
    const float scale = ScaleToA4(working, pw - x0, ph - y0, x0, y0);
    if (working.PageSizeX > 0 && working.PageSizeY > 0) {
        pw = x0 + (pw - x0) * scale * static_cast<float>(working.PageSizeX) /
                      (portrait ? A4Short : A4Long);
        ph = y0 + (ph - y0) * scale * static_cast<float>(working.PageSizeY) /
                      (portrait ? A4Long : A4Short);
    }
    const float perMillimetre = PreviewTwipsPerMillimetre * scale;
    const float left = static_cast<float>(working.SpaceX1) * perMillimetre;
    const float right = static_cast<float>(working.SpaceX2) * perMillimetre;
    const float top = static_cast<float>(working.SpaceY1) * perMillimetre;
    const float bottom = static_cast<float>(working.SpaceY2) * perMillimetre;
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

}  // namespace Tabulon
