#pragma once
#include <cstdint>

#include "core/PageSetup.h"
#include "render/DrawnWidths.h"
#include "render/PageMetrics.h"

namespace Tabulon {

// Where a page lies on the sheet of paper it is printed on. Without
// "Sığdır" the page is the paper: drawn at its size from the paper's corner.
// With it, a page whose columns run past the printable width is drawn as a
// wider page, as wide as its columns need, and that page is shrunk onto the
// paper: paper = (left, top) + scale * page, in twips.
struct SheetPlacement {
    double scale = 1.0;
    double left = 0, top = 0;
    // The page as drawn, in its own twips; used only when scaled.
    int32_t pageWidth = 0, pageHeight = 0;

    bool Scaled() const { return scale < 1.0; }
    friend bool operator==(const SheetPlacement&, const SheetPlacement&) = default;
};

// The placement of every page of a report under this setup. The shrinking
// is about the margins' top-left corner, so the margins stay what the setup
// says and the last column ends at the right margin. The rows per page stay
// (the pages are those the screen shows): the shrunk rows leave room above
// the page's foot, which stays at the bottom margin.
SheetPlacement PlaceOnPaper(const PageSetup& setup, const PageMetrics& metrics,
                            const ColumnWidthTable& widths, int fieldCount);

// The setup a page so placed is drawn with: its paper is the wider page.
PageSetup DrawnSetup(PageSetup setup, const SheetPlacement& placement);

}  // namespace Tabulon
