#include "input/ComputePageTotals.h"

#include "input/ForEachRow.h"
#include "input/SplitFields.h"

namespace Tabulon {

TotalsPass ComputePageTotals(const RowStore& store, const TotalFlags& flags, int32_t rowsPerPage,
                             const NumberLocale& locale, const ProgressCallback& progress) {
    TotalsPass pass;
    PageTotalsCounter counter(rowsPerPage, flags, locale);
    const int lastFlagged = counter.LastFlagged();
    const int64_t rows = store.RecordCount();
    const RowPass read = ForEachRow(
        store, 1, rows,
        [&](int64_t row, std::string_view text) {
            // Each record is walked in place, only as far as the last flagged
            // column; amounts are read with their trailing blanks.
            counter.StartRow();
            ForEachRawField(text, lastFlagged, [&](int c, std::string_view field) {
                if (flags[c]) counter.AddField(c, field);
            });
            if (row == rows) pass.lastFieldCount = SplitFields(text).count;
            return true;
        },
        progress);
    pass.ok = read.ok;
    pass.cancelled = read.cancelled;
    pass.error = read.error;
    if (!pass.ok || pass.cancelled) return pass;
    pass.totals = counter.Take();
    return pass;
}

}  // namespace Tabulon
