#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ProgressCallback.h"
#include "input/RowStore.h"

namespace Tabulon {

// How a pass over rows ended.
struct RowPass {
    bool ok = true;          // false: the row store could not be read
    bool cancelled = false;  // the progress callback asked to stop
    bool stopped = false;    // the visitor asked to stop
    std::string error;       // the row store's reason when it could not be read
};

namespace rowloop {

// Rows low..high, forward or backward, a megabyte of records at a time.
template <typename Visit>
RowPass Walk(const RowStore& rows, int64_t low, int64_t high, bool forward, Visit&& visit,
             const ProgressCallback& progress) {
    constexpr int64_t RecordsPerRead = 2048;
    low = std::max<int64_t>(low, 1);
    high = std::min(high, rows.RecordCount());
    RowPass pass;
    RecordBlock block;
    for (int64_t done = 0; done < high - low + 1; done += RecordsPerRead) {
        if (progress && !progress(done, high - low + 1)) {
            pass.cancelled = true;
            return pass;
        }
        const int64_t count = std::min(RecordsPerRead, high - low + 1 - done);
        if (!rows.Read(forward ? low + done : high - done - count + 1, count, block, pass.error)) {
            pass.ok = false;
            return pass;
        }
        const auto size = static_cast<int64_t>(block.texts.size());
        for (int64_t i = 0; i < size; ++i) {
            const int64_t at = forward ? i : size - 1 - i;
            if (!visit(block.first + at, block.texts[static_cast<size_t>(at)])) {
                pass.stopped = true;
                break;
            }
        }
        // A file cut short under a mapped block read as zeros there: what
        // the visitor saw is no row of the report.
        if (!block.Intact(pass.error)) pass.ok = false;
        if (pass.stopped || !pass.ok) return pass;
    }
    return pass;
}

}  // namespace rowloop

// The one loop over the rows of the working file: rows first..last in order
// (those of them that exist; none when last comes before first), read a
// megabyte of records at a time. Each is handed to `visit(row, text)` with its
// text's padding, as a view that holds until the visit returns; a visitor
// answering false stops the pass. The progress callback is asked before every
// read with the rows done of the pass's rows. A file cut short under a block
// ends the pass as a read that failed.
template <typename Visit>
RowPass ForEachRow(const RowStore& rows, int64_t first, int64_t last, Visit&& visit,
                   const ProgressCallback& progress = {}) {
    return rowloop::Walk(rows, first, last, true, visit, progress);
}

// The same from row `from` back to row `downTo`.
template <typename Visit>
RowPass ForEachRowBack(const RowStore& rows, int64_t from, int64_t downTo, Visit&& visit,
                       const ProgressCallback& progress = {}) {
    return rowloop::Walk(rows, downTo, from, false, visit, progress);
}

}  // namespace Tabulon
