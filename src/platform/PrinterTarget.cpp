#include "platform/PrinterTarget.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <cmath>

namespace Tabulon {

namespace {

// The paper in twips, from the size as it was defined (A4 in millimetres is
// 11906 x 16838 twips, its whole points would give 11900 x 16840).
QSizeF PaperTwips(const QPageLayout& layout) {
    const QPageSize& size = layout.pageSize();
    const QSizeF defined = size.definitionSize();
    double twipsPerUnit = 0;
    switch (size.definitionUnits()) {
        case QPageSize::Millimeter:
            twipsPerUnit = 1440 / 25.4;
            break;
        case QPageSize::Point:
            twipsPerUnit = 20;
            break;
        case QPageSize::Inch:
            twipsPerUnit = 1440;
            break;
        default:
            break;
    }
    QSizeF twips = twipsPerUnit > 0 ? defined * twipsPerUnit : size.size(QPageSize::Point) * 20.0;
    if (layout.orientation() == QPageLayout::Landscape) twips.transpose();
    return twips;
}

}  // namespace

PrinterTarget::PrinterTarget(QPainter& painter) : painter_(painter), device_(*painter.device()) {
    pixelsPerTwip_ = device_.logicalDpiX() / 1440.0;
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(&device_)) {
        const QSizeF paper = PaperTwips(paged->pageLayout());
        width_ = static_cast<int32_t>(std::lround(paper.width()));
        height_ = static_cast<int32_t>(std::lround(paper.height()));
    } else {
        width_ = static_cast<int32_t>(std::lround(device_.width() / pixelsPerTwip_));
        height_ = static_cast<int32_t>(std::lround(device_.height() / pixelsPerTwip_));
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
           pixelsPerTwip_;
}

double PrinterTarget::TextHeight(std::string_view) {
    return Metrics().height() / pixelsPerTwip_;
}

double PrinterTarget::Ascent() {
    return Metrics().ascent() / pixelsPerTwip_;
}

}  // namespace Tabulon
