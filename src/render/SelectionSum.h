#pragma once
#include <cstdint>
#include <string>

#include "core/Currency.h"
#include "core/NumberLocale.h"
#include "core/ProgressCallback.h"
#include "core/ReportLayout.h"
#include "input/ForEachRow.h"
#include "input/RowStore.h"
#include "render/CellSelection.h"

namespace Tabulon {

// The numbers among the selected fields: the fields of number and amount
// columns that read as numbers in the locale, added exactly as the page
// totals add them. A sum beyond what the totals hold is not a sum: it is
// marked as overflowing rather than shown wrong.
struct SelectionSum {
    int64_t count = 0;
    Currency sum;
    bool overflow = false;  // the sum is Currency::Overflow(), as a page total would be
    // The display pattern of the columns counted, or a plain amount's when
    // they differ: the sum and the mean are shown like a total of them.
    std::string pattern;
    RowPass pass;

    // The mean, rounded to the totals' four decimals, halves to even; the
    // overflow mark when the sum is one.
    Currency Mean() const;
};

SelectionSum SumSelection(const RowStore& rows, const ReportLayout& layout,
                          const NumberLocale& locale, const CellSelection& selection,
                          const ProgressCallback& progress = {});

}  // namespace Tabulon
