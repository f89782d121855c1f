#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "render/PageInputs.h"

namespace Tabulon {

// The left edge of each drawn column 1..n, and after them the right edge of
// the last, in the paper's twips, as the page draws them: from the left
// margin, each column its width in characters, every edge rounded as drawn.
std::vector<int64_t> ColumnEdges(const PageInputs& in, int fieldCount);

// The columns of fieldCount that start before the line's last character, each
// column counting one separating character: those the ruler marks and the
// print warns about.
ColumnFlags ColumnFitsOf(const ColumnWidthTable& widths, const PageMetrics& metrics,
                         int fieldCount);

// What lies under a point of a page: a column's title, or a field of a data
// row printed on this page.
struct PagePlace {
    int64_t row = 0;  // 1-based data row; 0 on the titles
    int column = 0;   // 1-based
    bool Title() const { return row == 0; }
};

// The place under (x, y), in the paper's twips of page `page` laid out for
// fieldCount columns; nothing between the columns' boxes and the rows.
std::optional<PagePlace> PlaceAt(const PageInputs& in, int32_t page, int fieldCount, double x,
                                 double y);

}  // namespace Tabulon
