#pragma once
#include <array>
#include <string_view>

#include "core/ReportLayout.h"
#include "core/TextEncoding.h"

// Hands each field of a line to `visit(number, text)` in order, up to
// `maxFields`: every field ends with a TAB, so text after the last TAB is not
// a field, and a field loses its trailing spaces but keeps its leading ones.
// Returns the number of fields visited.
template <typename Visit>
int ForEachField(std::string_view line, int maxFields, Visit&& visit) {
    int count = 0;
    size_t position = 0;
    while (count < maxFields) {
        const size_t tab = line.find('\t', position);
        if (tab == std::string_view::npos) break;
        ++count;
        visit(count, TrimTrailingSpaces(line.substr(position, tab - position)));
        position = tab + 1;
    }
    return count;
}

// The fields of one line, as views into the line's text: numbered from 1, at
// most 150 (fields past the 150th are ignored); a field past the count is
// empty.
struct RowFields {
    std::array<std::string_view, ReportLayout::MaxFields + 1> fields{};
    int count = 0;

    std::string_view operator[](int column) const {
        return column >= 1 && column <= count ? fields[static_cast<size_t>(column)]
                                              : std::string_view{};
    }
};

RowFields SplitFields(std::string_view line);
