#include "input/ComputePageTotals.h"

#include "input/SplitFields.h"

namespace {
// Records viewed at a time: 1 MiB of the row store.
constexpr int64_t RunLength = 2048;
}  // namespace

TotalsPass ComputePageTotals(const RowStore& store, const TotalFlags& flags, int32_t rowsPerPage,
                             const NumberLocale& locale, const ProgressCallback& progress) {
    TotalsPass pass;
    PageTotalsCounter counter(rowsPerPage, flags, locale);
    const int lastFlagged = counter.LastFlagged();
    const int64_t rows = store.RecordCount();
    RecordBlock block;
    for (int64_t first = 1; first <= rows; first += RunLength) {
        if (progress && !progress(first - 1, rows)) {
            pass.cancelled = true;
            return pass;
        }
        if (!store.Read(first, RunLength, block, pass.error)) {
            pass.ok = false;
            return pass;
        }
        // Each record is walked in place, only as far as the last flagged
        // column; amounts are read with their trailing blanks.
        for (std::string_view text : block.texts) {
            counter.StartRow();
            ForEachRawField(text, lastFlagged, [&](int c, std::string_view field) {
                if (flags[c]) counter.AddField(c, field);
            });
        }
        if (first + RunLength > rows && !block.texts.empty())
            pass.lastFieldCount = SplitFields(block.texts.back()).count;
        if (!block.Intact(pass.error)) {
            pass.ok = false;
            return pass;
        }
    }
    pass.totals = counter.Take();
    return pass;
}
