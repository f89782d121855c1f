#include "render/DrawnWidths.h"

#include <algorithm>

#include "core/Rounding.h"
#include "core/TextEncoding.h"
#include "render/DisplayPattern.h"

namespace Tabulon {

namespace {

// The amounts of largest size on either side of zero.
struct Extremes {
    Currency most{0}, least{0};
    void Take(Currency value) {
        most.scaled = std::max(most.scaled, value.scaled);
        least.scaled = std::min(least.scaled, value.scaled);
    }
};

}  // namespace

ColumnWidthTable DrawnWidths(const ReportLayout& layout, const PageTotals& totals,
                             const PageSetup& setup, const NumberLocale& locale) {
    ColumnWidthTable widths = layout.ColumnWidths;
    if (!setup.pTotals && !setup.aTotals) return widths;
    for (int c = 1; c <= ReportLayout::TotalledColumns; ++c) {
        if (!layout.Totalled(c)) continue;
        Extremes shown;
        Currency running{0};
        for (int32_t p = 1; p <= totals.pageCount; ++p) {
            const Currency page = totals.table.Get(p, c);
            running = AddCurrency(running, page);
            if (setup.pTotals) shown.Take(page);
            if (setup.aTotals) shown.Take(running);
        }
        size_t widest = 0;
        for (Currency value : {shown.most, shown.least})
            widest = std::max(
                widest, CodePointCount(FormatCurrency(value, layout.ColumnFormats[c], locale)));
        widths[c] = std::max<int16_t>(widths[c], ClampToInt16(static_cast<int64_t>(widest) + 1));
    }
    return widths;
}

}  // namespace Tabulon
