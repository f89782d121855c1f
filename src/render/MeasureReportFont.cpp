#include "render/MeasureReportFont.h"

#include <algorithm>

#include "core/Rounding.h"

namespace Tabulon {

PageMetrics MeasureReportFont(DrawingTarget& target, const PageSetup& setup, int16_t headerCount) {
    PageMetrics m;
    target.SetScale(1.0);
    target.SetFont(setup.FontName);
    target.SetFontSize(setup.FontSize);
    // Data rows are drawn in the regular face; a page drawn before leaves the
    // target bold, which must not widen the measured characters.
    target.SetFontBold(false);

    m.LeftMargin = setup.SpaceX1 * 54;
    m.RightMargin = setup.SpaceX2 * 54;
    m.TopMargin = setup.SpaceY1 * 54;
    m.BottomMargin = setup.SpaceY2 * 54;
    m.RowHeight = RoundHalfEven(target.TextHeight("0123456789"));
    m.CharWidth = RoundHalfEven(target.TextWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789") / 36.0);
    // A font that measures as nothing would make the divisions below meaningless.
    if (m.RowHeight == 0) m.RowHeight = 1;
    if (m.CharWidth == 0) m.CharWidth = 1;
    m.PrintableWidth = setup.PageSizeX - (m.LeftMargin + m.RightMargin);
    m.PrintableHeight = setup.PageSizeY - (m.TopMargin + m.BottomMargin + 250);
    m.CharsPerLine = RoundHalfEven(static_cast<double>(m.PrintableWidth) / m.CharWidth);
    return ForHeaderCount(m, headerCount);
}

PageMetrics ForHeaderCount(PageMetrics m, int16_t headerCount) {
    const int32_t reservedRows = static_cast<int32_t>(headerCount) + 5;
    m.RowsPerPage = RoundHalfEven(static_cast<double>(m.PrintableHeight) / m.RowHeight -
                                  static_cast<double>(reservedRows));
    // Margins that leave no room still give every page one row, so a report
    // never has more pages than rows and each page shows something.
    m.RowsPerPage = std::max(m.RowsPerPage, 1);
    return m;
}

}  // namespace Tabulon
