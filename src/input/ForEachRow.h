#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Outcome.h"
#include "core/ProgressCallback.h"
#include "input/RowStore.h"

namespace Tabulon {

namespace rowloop {

// Rows low..high, forward or backward, a megabyte of records at a time.
template <typename Visit>
Outcome<> Walk(const RowStore& rows, int64_t low, int64_t high, bool forward, Visit&& visit,
               const ProgressCallback& progress) {
    constexpr int64_t RecordsPerRead = 2048, Ahead = 4;
    low = std::max<int64_t>(low, 1);
    high = std::min(high, rows.RecordCount());
    RecordBlock block;
    for (int64_t done = 0; done < high - low + 1; done += RecordsPerRead) {
        if (progress && !progress(done, high - low + 1)) return StoppedByUser();
        const int64_t count = std::min(RecordsPerRead, high - low + 1 - done);
        Outcome<> read = rows.Read(forward ? low + done : high - done - count + 1, count, block);
        if (!read.Ok()) return read;
        const auto size = static_cast<int64_t>(block.texts.size());
        bool stopped = false;
        for (int64_t i = 0; i < size && !stopped; ++i) {
            const int64_t at = forward ? i : size - 1 - i;
            // A record is 512 bytes on from the last, too far for the processor
            // to guess: the one a few ahead is asked for while this one is seen.
            if (i + Ahead < size) {
                const int64_t next = forward ? i + Ahead : size - 1 - i - Ahead;
                __builtin_prefetch(block.texts[static_cast<size_t>(next)].data());
            }
            stopped = !visit(block.first + at, block.texts[static_cast<size_t>(at)]);
        }
        // A file cut short under a mapped block read as zeros there: what
        // the visitor saw is no row of the report.
        Outcome<> intact = block.Intact();
        if (!intact.Ok() || stopped) return intact;
    }
    return {};
}

}  // namespace rowloop

// The one loop over the rows of the working file: rows first..last in order
// (those of them that exist; none when last comes before first), read a
// megabyte of records at a time. Each is handed to `visit(row, text)` with its
// text's padding, as a view that holds until the visit returns; a visitor
// answering false stops the pass, which still ends well: the visitor knows
// why it stopped. The progress callback is asked before every
// read with the rows done of the pass's rows. A file cut short under a block
// ends the pass as a read that failed.
template <typename Visit>
Outcome<> ForEachRow(const RowStore& rows, int64_t first, int64_t last, Visit&& visit,
                     const ProgressCallback& progress = {}) {
    return rowloop::Walk(rows, first, last, true, visit, progress);
}

// The same from row `from` back to row `downTo`.
template <typename Visit>
Outcome<> ForEachRowBack(const RowStore& rows, int64_t from, int64_t downTo, Visit&& visit,
                         const ProgressCallback& progress = {}) {
    return rowloop::Walk(rows, downTo, from, false, visit, progress);
}

}  // namespace Tabulon
