#pragma once
#include <algorithm>
#include <cstdint>

#include "render/RenderPage.h"

namespace Tabulon {

// The fields the user selected: the rectangle of rows and columns between
// the field where the selection started and the one it was extended to. A
// selection of whole rows (a column's title, or all of the report) copies
// the column titles above its rows. Row 0 selects nothing.
struct CellSelection {
    MarkedField anchor;
    MarkedField focus;
    bool wholeRows = false;

    bool Empty() const { return anchor.row < 1 || focus.row < 1; }
    int64_t FirstRow() const { return std::min(anchor.row, focus.row); }
    int64_t LastRow() const { return std::max(anchor.row, focus.row); }
    int FirstColumn() const { return std::min(anchor.column, focus.column); }
    int LastColumn() const { return std::max(anchor.column, focus.column); }
    bool Contains(int64_t row, int column) const {
        return !Empty() && row >= FirstRow() && row <= LastRow() && column >= FirstColumn() &&
               column <= LastColumn();
    }
};

}  // namespace Tabulon
