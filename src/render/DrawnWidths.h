#pragma once
#include <array>
#include <cstdint>

#include "core/NumberLocale.h"
#include "core/PageSetup.h"
#include "core/ReportLayout.h"
#include "input/PageTotals.h"

namespace Tabulon {

// A width in characters for each of the columns 1..50.
using ColumnWidthTable = std::array<int16_t, ReportLayout::DescribedColumns + 1>;

// The widths the columns are drawn with: each column's width, and for a
// column whose totals are printed at least one character more than its
// widest formatted total (page totals when they are printed, running totals
// when those are), so a printed total never runs into the next column. The
// widest total is the largest positive or negative amount: a pattern never
// shows a larger amount shorter.
ColumnWidthTable DrawnWidths(const ReportLayout& layout, const PageTotals& totals,
                             const PageSetup& setup, const NumberLocale& locale);

}  // namespace Tabulon
