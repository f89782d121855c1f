#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "render/DrawingTarget.h"
#include "render/PageInputs.h"

namespace Tabulon {

// The maker's line printed small at the foot of every page.
inline constexpr std::string_view CreditLine =
    "Vornak Yazılım  -  www.vornak.example  -  destek.vornak.example";

// A field marked on the screen's page: the 1-based data row and column.
struct MarkedField {
    int64_t row = 0;
    int column = 0;
};

// How the screen shades the fields of a page: a colour for a field, or
// nothing. Only the screen shades (a field found, the fields selected);
// paper, PDF and pictures never do.
using FieldShading = std::function<std::optional<Rgb>(int64_t row, int column)>;

// The shades the screen uses: the field found, and the fields selected.
inline constexpr Rgb FoundShade{255, 228, 110};
inline constexpr Rgb SelectedShade{198, 222, 255};
// The other fields found, lighter than the one shown.
inline constexpr Rgb OtherFoundShade{255, 244, 200};

// What drawing a page found out.
struct PageDrawing {
    ColumnFlags ColumnFits{};  // the columns that start inside the printable line
    // The field count of the page's last row, or the one given when the page
    // has no rows: the next drawing's titles follow it.
    int fieldCount = 0;
    bool rowsRead = true;  // false: the row store could not be read
    std::string error;
};

// The top of a row slot (0 the first) on every page, in the paper's twips:
// below the header lines drawn and the titles.
int64_t RowTop(const ReportLayout& layout, const PageMetrics& metrics, int64_t slot);

// Draws one page of the report onto the target, in the paper's twips, shown
// at `zoom` by the target: headers, boxed titles, the page's rows read from
// the row store, page and cumulative totals, date and time, page number and
// credit line. fieldCount is the field count of the row read last before
// this drawing: the titles and the fit of the columns follow it, while each
// data row shows as many fields as it has and the totals rows follow the
// page's last row. Fields are shaded as `shading` says (only the screen
// shades). Drawing changes nothing but the target.
PageDrawing RenderPage(DrawingTarget& target, const PageInputs& in, int32_t page, float zoom,
                       int fieldCount, const FieldShading* shading = nullptr);

}  // namespace Tabulon
