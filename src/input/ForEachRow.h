#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ProgressCallback.h"
#include "input/RowStore.h"

// How a pass over rows ended.
struct RowPass {
    bool ok = true;          // false: the row store could not be read
    bool cancelled = false;  // the progress callback asked to stop
    bool stopped = false;    // the visitor asked to stop
    std::string error;       // the row store's reason when it could not be read
};

// The one loop over the rows of the working file: rows first..last in order
// (those that exist), read a megabyte of records at a time, each handed to
// `visit(row, text)` with its text padding included, as a view that holds
// until the visit returns. A visitor answering false stops the pass. The
// progress callback is asked before every read with the rows done of the
// rows asked for.
template <typename Visit>
RowPass ForEachRow(const RowStore& rows, int64_t first, int64_t last, Visit&& visit,
                   const ProgressCallback& progress = {}) {
    constexpr int64_t RecordsPerRead = 2048;
    RowPass pass;
    first = std::max<int64_t>(first, 1);
    last = std::min(last, rows.RecordCount());
    RecordBlock block;
    for (int64_t from = first; from <= last; from += RecordsPerRead) {
        if (progress && !progress(from - first, last - first + 1)) {
            pass.cancelled = true;
            return pass;
        }
        if (!rows.Read(from, std::min(RecordsPerRead, last - from + 1), block, pass.error)) {
            pass.ok = false;
            return pass;
        }
        for (size_t i = 0; i < block.texts.size(); ++i)
            if (!visit(block.first + static_cast<int64_t>(i), block.texts[i])) {
                pass.stopped = true;
                return pass;
            }
    }
    return pass;
}
