#pragma once
#include <optional>
#include <string>

#include "core/ProgressCallback.h"
#include "input/PageTotals.h"
#include "input/RowStore.h"

namespace Tabulon {

// The totals pass and what it found: besides the totals, the field count of
// the last row, which decides how many columns the titles and totals rows
// show until another row is read.
struct TotalsPass {
    PageTotals totals;
    std::optional<int> lastFieldCount;  // none without rows
    bool ok = true;                     // false: the row store could not be read
    bool cancelled = false;             // stopped through the progress callback
    std::string error;
};

// Counts the pages and sums the flagged columns 1..30 of every page, reading
// each record once, in order, a megabyte at a time.
TotalsPass ComputePageTotals(const RowStore& store, const TotalFlags& flags, int32_t rowsPerPage,
                             const NumberLocale& locale, const ProgressCallback& progress = {});

}  // namespace Tabulon
