#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace Tabulon {

// One section of a pattern, cut into the text around the number and the
// number's own layout.
struct PatternSection {
    std::string prefix, suffix;
    int minIntegerDigits = 0;  // "0" placeholders before the decimal point
    bool grouped = false;
    bool hasDecimalPoint = false;
    int decimals = 0;     // placeholders after the decimal point
    int minDecimals = 0;  // "0" placeholders after the decimal point
};

// A pattern cut into its sections (only the first three ever show a value)
// and each section read: what formatting a field needs of its pattern, read
// once for the many fields that share it.
struct PatternSections {
    std::array<PatternSection, 3> section;
    std::array<bool, 3> emptyText{};
    size_t count = 0;
    bool asIs = false;  // "@" or nothing: fields are shown as they stand
};

PatternSections ReadSections(std::string_view pattern);

}  // namespace Tabulon
