#pragma once
#include <string>

#include "core/NumberLocale.h"
#include "core/ProgressCallback.h"
#include "core/ReportLayout.h"
#include "input/NumberSurvey.h"
#include "input/RowStore.h"
#include "render/DrawnWidths.h"

namespace Tabulon {

// The widest text each of the columns 1..50 makes of its numbers over every
// row, as the page shows them: a code padded with zeros, digits that gain
// group separators or parentheses. Texts that are no numbers are shown as
// written, which the loader measured already, so only the columns with a
// number pattern count. In characters; 0 where no number is shown. The
// numbers the loader surveyed are used when they cover every such column;
// otherwise (a format record after the first row) the rows are read again.
Outcome<ColumnWidthTable> WidestShownNumbers(const ReportLayout& layout, const RowStore& rows,
                                             const NumberLocale& locale,
                                             const ProgressCallback& progress = {},
                                             const NumberSurvey* surveyed = nullptr);

// The same from numbers surveyed already.
ColumnWidthTable ShownWidthsOf(const NumberSurvey& survey, const ReportLayout& layout,
                               const NumberLocale& locale);

// Widens each drawn width to one character more than the column's widest
// shown number, the same room a total gets.
void WidenForShownNumbers(ColumnWidthTable& drawn, const ColumnWidthTable& shown);

}  // namespace Tabulon
