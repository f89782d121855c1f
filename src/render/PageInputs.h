#pragma once
#include <array>

#include "core/NumberLocale.h"
#include "core/PageSetup.h"
#include "core/ReportLayout.h"
#include "input/PageTotals.h"
#include "input/RowStore.h"
#include "render/ClockReading.h"
#include "render/DrawnWidths.h"
#include "render/PageMetrics.h"

namespace Tabulon {

// Which of the columns 1..50 start inside the printable line.
using ColumnFlags = std::array<bool, ReportLayout::DescribedColumns + 1>;

// Everything a page is drawn from, none of it changed by drawing.
struct PageInputs {
    const ReportLayout& layout;
    const PageSetup& setup;
    const PageMetrics& metrics;
    const ColumnWidthTable& widths;  // as drawn (see DrawnWidths)
    const PageTotals& totals;
    const RowStore& rows;
    const NumberLocale& locale;
    ClockReading now;
};

}  // namespace Tabulon
