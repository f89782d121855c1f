#pragma once
#include <string>

#include "core/NumberLocale.h"
#include "core/ProgressCallback.h"
#include "core/ReportLayout.h"
#include "input/RowStore.h"
#include "render/DrawnWidths.h"

namespace Tabulon {

// How the pass over the rows for their shown numbers ended.
struct ShownWidthsPass {
    ColumnWidthTable widths{};  // characters; 0 where no number is shown
    bool ok = true;
    bool cancelled = false;
    std::string error;  // the row store's reason when it could not be read
};

// The widest text each of the columns 1..50 makes of its numbers over every
// row, as the page shows them: a code padded with zeros, digits that gain
// group separators or parentheses. Texts that are no numbers are shown as
// written, which the loader measured already, so only the columns with a
// number pattern are read. Only the largest number on either side of zero is
// kept per column (a pattern never shows a larger number shorter), so the
// memory needed does not grow with the report.
ShownWidthsPass WidestShownNumbers(const ReportLayout& layout, const RowStore& rows,
                                   const NumberLocale& locale,
                                   const ProgressCallback& progress = {});

// Widens each drawn width to one character more than the column's widest
// shown number, the same room a total gets.
void WidenForShownNumbers(ColumnWidthTable& drawn, const ColumnWidthTable& shown);

}  // namespace Tabulon
