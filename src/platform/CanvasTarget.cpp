#include "platform/CanvasTarget.h"

#include <cmath>

namespace {
// 96 dots per inch, as a QImage counts them (dots per metre).
constexpr int DotsPerMetre = 3780;
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
    const int w = std::max(1, static_cast<int>(std::ceil(width_ / TwipsPerPixel * ratio_)));
    const int h = std::max(1, static_cast<int>(std::ceil(height_ / TwipsPerPixel * ratio_)));
    image_ = QImage(w, h, QImage::Format_RGB32);
    image_.setDotsPerMeterX(DotsPerMetre);
    image_.setDotsPerMeterY(DotsPerMetre);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(Qt::white);
    metrics_.reset();
}

void CanvasTarget::SetDevicePixelRatio(qreal ratio) {
    if (ratio <= 0 || ratio == ratio_) return;
    ratio_ = ratio;
    Resize(width_, height_);
}

const QImage& CanvasTarget::Image() {
    EndPainting();
    return image_;
}

QPainter& CanvasTarget::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *painter_;
}

const QFontMetrics& CanvasTarget::Metrics() {
    if (!metrics_) metrics_.emplace(CurrentFont(), &image_);
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
