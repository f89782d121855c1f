#include "platform/CanvasTarget.h"

#include <cmath>

namespace Tabulon {

namespace {
// 96 dots per inch, as a QImage counts them (dots per metre).
constexpr int DotsPerMetre = 3780;

// A white picture of w by h pixels at 96 dpi and the given pixel ratio.
QImage WhitePicture(int w, int h, qreal ratio) {
    QImage image(w, h, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMetre);
    image.setDotsPerMeterY(DotsPerMetre);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}
}  // namespace

CanvasTarget::CanvasTarget(qreal devicePixelRatio)
    : ratio_(devicePixelRatio > 0 ? devicePixelRatio : 1.0) {
    Resize(15, 15);
}

CanvasTarget::~CanvasTarget() {
    EndPainting();
}

void CanvasTarget::EndPainting() {
    if (painter_) painter_->end();
    painter_.reset();
}

void CanvasTarget::Resize(int32_t widthTwips, int32_t heightTwips) {
    EndPainting();
    width_ = std::max<int32_t>(widthTwips, 0);
    height_ = std::max<int32_t>(heightTwips, 0);
    // The picture is made when first drawn on or shown: a canvas used for
    // measuring alone never needs its megabytes.
    image_ = QImage();
    metrics_.reset();
}

void CanvasTarget::MakePicture() {
    if (!image_.isNull()) return;
    const int w = std::max(1, static_cast<int>(std::ceil(width_ / TwipsPerPixel * ratio_)));
    const int h = std::max(1, static_cast<int>(std::ceil(height_ / TwipsPerPixel * ratio_)));
    image_ = WhitePicture(w, h, ratio_);
}

void CanvasTarget::SetDevicePixelRatio(qreal ratio) {
    if (ratio <= 0 || ratio == ratio_) return;
    ratio_ = ratio;
    Resize(width_, height_);
}

const QImage& CanvasTarget::Image() {
    EndPainting();
    MakePicture();
    return image_;
}

QPainter& CanvasTarget::Painter() {
    if (!painter_) {
        MakePicture();
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *painter_;
}

const QFontMetrics& CanvasTarget::Metrics() {
    // Measured on a pixel of the picture's resolution, whether or not the
    // picture has been made.
    if (measuredOn_.isNull() || measuredOn_.devicePixelRatio() != ratio_)
        measuredOn_ = WhitePicture(1, 1, ratio_);
    if (!metrics_) metrics_.emplace(CurrentFont(), &measuredOn_);
    return *metrics_;
}

double CanvasTarget::TextWidth(std::string_view text) {
    return Metrics().horizontalAdvance(
               QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) *
           TwipsPerPixel;
}

double CanvasTarget::TextHeight(std::string_view) {
    return Metrics().height() * TwipsPerPixel;
}

double CanvasTarget::Ascent() {
    return Metrics().ascent() * TwipsPerPixel;
}

}  // namespace Tabulon
