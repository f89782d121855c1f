#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/TextEncoding.h"
#include "input/RowStore.h"

namespace Tabulon {

// What the fuzzers know of a report's lines without the loader: a line ends
// at a CR, an LF right after a CR belongs to it, and text after the last CR
// is a line of its own. Calls `visit(line)` for each.
template <typename Visit>
void ForEachReportLine(std::string_view bytes, Visit&& visit) {
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t cr = bytes.find('\r', start);
        visit(bytes.substr(start, cr == std::string_view::npos ? cr : cr - start));
        if (cr == std::string_view::npos) break;
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == '\n') ++start;
    }
}

inline int64_t CountDataLines(std::string_view bytes) {
    int64_t rows = 0;
    ForEachReportLine(
        bytes, [&](std::string_view line) { rows += !line.empty() && line[0] == '9' ? 1 : 0; });
    return rows;
}

// Pages as the rows fill them: rowsPerPage to a page, or with none, every
// row on a page of its own after an empty first page.
inline int32_t ExpectedPages(int64_t rows, int32_t rowsPerPage) {
    if (rowsPerPage <= 0) return static_cast<int32_t>(rows + 1);
    return rows == 0 ? 1 : static_cast<int32_t>((rows + rowsPerPage - 1) / rowsPerPage);
}

}  // namespace Tabulon
