#pragma once
#include <cstdint>

namespace Tabulon {

// The page metrics of the report font and page setup, in twips at 100 %.
struct PageMetrics {
    int32_t LeftMargin = 0;
    int32_t RightMargin = 0;
    int32_t TopMargin = 0;
    int32_t BottomMargin = 0;
    int32_t RowHeight = 0;
    int32_t CharWidth = 0;
    int32_t PrintableWidth = 0;
    int32_t PrintableHeight = 0;
    int32_t RowsPerPage = 0;
    int32_t CharsPerLine = 0;
};

}  // namespace Tabulon
