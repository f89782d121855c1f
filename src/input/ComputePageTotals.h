#pragma once
#include <optional>
#include <string>

#include "core/Outcome.h"
#include "core/ProgressCallback.h"
#include "input/PageTotals.h"
#include "input/RowStore.h"

namespace Tabulon {

// What the totals pass found: besides the totals, the field count of the last
// row, which decides how many columns the titles and totals rows show until
// another row is read.
struct CountedTotals {
    PageTotals totals;
    std::optional<int> lastFieldCount;  // none without rows
};

// Counts the pages and sums the flagged columns 1..30 of every page, reading
// each record once, in order, a megabyte at a time.
Outcome<CountedTotals> ComputePageTotals(const RowStore& store, const TotalFlags& flags,
                                         int32_t rowsPerPage, const NumberLocale& locale,
                                         const ProgressCallback& progress = {});

}  // namespace Tabulon
