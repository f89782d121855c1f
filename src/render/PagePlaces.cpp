#include "render/PagePlaces.h"

#include <algorithm>

#include "core/Rounding.h"
#include "render/RenderPage.h"

namespace Tabulon {

std::vector<int64_t> ColumnEdges(const PageInputs& in, int fieldCount) {
    const int columns = std::clamp(fieldCount, 0, ReportLayout::DescribedColumns);
    std::vector<int64_t> edges{in.metrics.LeftMargin};
    for (int c = 1; c <= columns; ++c) {
        const double width = static_cast<double>(ClampToInt32(
            static_cast<int64_t>(in.widths[c]) * static_cast<int64_t>(in.metrics.CharWidth)));
        edges.push_back(RoundHalfEven(width + static_cast<double>(edges.back())));
    }
    return edges;
}

ColumnFlags ColumnFitsOf(const ColumnWidthTable& widths, const PageMetrics& metrics,
                         int fieldCount) {
    ColumnFlags fits{};
    int64_t position = 1;
    for (int c = 1; c <= std::clamp(fieldCount, 0, ReportLayout::DescribedColumns); ++c) {
        fits[c] = position < metrics.CharsPerLine;
        position += widths[c] + 1;
    }
    return fits;
}

std::optional<PagePlace> PlaceAt(const PageInputs& in, int32_t page, int fieldCount, double x,
                                 double y) {
    const std::vector<int64_t> edges = ColumnEdges(in, fieldCount);
    const auto after = std::upper_bound(edges.begin(), edges.end(), static_cast<int64_t>(x));
    if (after == edges.begin() || after == edges.end()) return std::nullopt;
    const int column = static_cast<int>(after - edges.begin());
    const int64_t height = std::max<int64_t>(in.metrics.RowHeight, 1);
    const int64_t firstRowTop = RowTop(in.layout, in.metrics, 0);
    // The titles' boxes stand a row high, 50 twips above the first row.
    if (y >= static_cast<double>(firstRowTop - 50 - height) &&
        y < static_cast<double>(firstRowTop - 50))
        return PagePlace{0, column};
    if (y < static_cast<double>(firstRowTop)) return std::nullopt;
    const int64_t slot =
        static_cast<int64_t>((y - static_cast<double>(firstRowTop)) / static_cast<double>(height));
    const int64_t rowsPerPage = std::max<int64_t>(in.metrics.RowsPerPage, 0);
    const int64_t row = (static_cast<int64_t>(page) - 1) * rowsPerPage + slot + 1;
    if (slot >= rowsPerPage || row > in.rows.RecordCount()) return std::nullopt;
    return PagePlace{row, column};
}

}  // namespace Tabulon
