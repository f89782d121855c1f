#include "render/SheetPlacement.h"

#include <algorithm>
#include <cmath>

#include "core/Rounding.h"

namespace Tabulon {

namespace {

// The width the column cells take from the left margin, added up as the
// titles are drawn, each cell ending on a whole twip.
int64_t CellsWidth(const PageMetrics& metrics, const ColumnWidthTable& widths, int fieldCount) {
    int64_t end = metrics.LeftMargin;
    const int columns = std::clamp(fieldCount, 0, ReportLayout::DescribedColumns);
    for (int c = 1; c <= columns; ++c) {
        const int64_t cell =
            static_cast<int64_t>(widths[static_cast<size_t>(c)]) * metrics.CharWidth;
        end = RoundHalfEven(static_cast<double>(cell + end));
    }
    return end - metrics.LeftMargin;
}

}  // namespace

SheetPlacement PlaceOnPaper(const PageSetup& setup, const PageMetrics& metrics,
                            const ColumnWidthTable& widths, int fieldCount) {
    if (!setup.FitToPaper || metrics.PrintableWidth <= 0) return {};
    const int64_t needed = CellsWidth(metrics, widths, fieldCount);
    if (needed <= metrics.PrintableWidth) return {};
    SheetPlacement placement;
    placement.scale = static_cast<double>(metrics.PrintableWidth) / static_cast<double>(needed);
    placement.left = metrics.LeftMargin * (1 - placement.scale);
    placement.top = metrics.TopMargin * (1 - placement.scale);
    const double width = setup.PageSizeX + static_cast<double>(needed - metrics.PrintableWidth);
    const double between =
        std::max<double>(setup.PageSizeY - (metrics.TopMargin + metrics.BottomMargin), 0);
    const double height = setup.PageSizeY + between * (1 / placement.scale - 1);
    // A page so wide (a scale of a few thousandths) is as wide as a page can be.
    constexpr double Widest = 1e9;
    placement.pageWidth = static_cast<int32_t>(std::min(std::ceil(width), Widest));
    placement.pageHeight = static_cast<int32_t>(std::min(std::ceil(height), Widest));
    return placement;
}

PageSetup DrawnSetup(PageSetup setup, const SheetPlacement& placement) {
    if (!placement.Scaled()) return setup;
    setup.PageSizeX = placement.pageWidth;
    setup.PageSizeY = placement.pageHeight;
    return setup;
}

}  // namespace Tabulon
