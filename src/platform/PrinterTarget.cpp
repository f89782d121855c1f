#include "platform/PrinterTarget.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <cmath>

PrinterTarget::PrinterTarget(QPainter& painter) : painter_(painter), device_(*painter.device()) {
    scale_ = device_.logicalDpiX() / 1440.0;
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(&device_)) {
        // A point is 20 twips.
        const QRectF paper = paged->pageLayout().fullRectPoints();
        width_ = static_cast<int32_t>(std::lround(paper.width() * 20.0));
        height_ = static_cast<int32_t>(std::lround(paper.height() * 20.0));
    } else {
        width_ = static_cast<int32_t>(std::lround(device_.width() / scale_));
        height_ = static_cast<int32_t>(std::lround(device_.height() / scale_));
    }
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

const QFontMetricsF& PrinterTarget::Metrics() {
    if (!metrics_) metrics_.emplace(CurrentFont(), &device_);
    return *metrics_;
}

double PrinterTarget::TextWidth(std::string_view text) {
    return Metrics().horizontalAdvance(
               QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) /
           scale_;
}

double PrinterTarget::TextHeight(std::string_view) {
    return Metrics().height() / scale_;
}

double PrinterTarget::Ascent() {
    return Metrics().ascent() / scale_;
}
