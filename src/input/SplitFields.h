#pragma once
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/ReportLayout.h"
#include "core/TextEncoding.h"

namespace Tabulon {

// The first TAB at or after `from`, or npos. Fields are short: the first
// sixteen bytes are looked at eight at a time in place, and only a longer
// stretch, such as the padding of a record, goes to the library's search.
inline size_t FindTab(std::string_view text, size_t from) {
    if constexpr (std::endian::native == std::endian::little) {
        constexpr uint64_t Ones = 0x0101010101010101u;
        for (int word = 0; word < 2 && from + 8 <= text.size(); ++word, from += 8) {
            uint64_t bytes = 0;
            std::memcpy(&bytes, text.data() + from, 8);
            const uint64_t x = bytes ^ (Ones * '\t');  // a TAB becomes a zero byte
            // The lowest high bit set marks the first zero byte.
            const uint64_t zero = (x - Ones) & ~x & (Ones * 0x80);
            if (zero) return from + static_cast<size_t>(std::countr_zero(zero) / 8);
        }
    }
    return text.find('\t', from);
}

// Hands each field of a line to `visit(number, text)` in order, up to
// `maxFields`, as it stands before its TAB: every field ends with one, so text
// after the last TAB is not a field. Returns the number of fields visited.
template <typename Visit>
int ForEachRawField(std::string_view line, int maxFields, Visit&& visit) {
    int count = 0;
    size_t position = 0;
    while (count < maxFields) {
        const size_t tab = FindTab(line, position);
        if (tab == std::string_view::npos) break;
        ++count;
        visit(count, line.substr(position, tab - position));
        position = tab + 1;
    }
    return count;
}

// The same with each field as shown: it loses its trailing spaces but keeps
// its leading ones.
template <typename Visit>
int ForEachField(std::string_view line, int maxFields, Visit&& visit) {
    return ForEachRawField(line, maxFields, [&](int c, std::string_view field) {
        visit(c, TrimTrailingSpaces(field));
    });
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

}  // namespace Tabulon
