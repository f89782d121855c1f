#include "core/Currency.h"

#include <charconv>

namespace Tabulon {

void AppendPlainText(std::string& out, Currency value) {
    // Most columns of most pages total nothing.
    if (value.scaled == 0) {
        out += "0.0000";
        return;
    }
    if (value.Overflowed()) {
        out += OverflowMark;
        return;
    }
    const bool negative = value.scaled < 0;
    // Work in unsigned so that the most negative value has a magnitude too.
    const uint64_t magnitude =
        negative ? 0 - static_cast<uint64_t>(value.scaled) : static_cast<uint64_t>(value.scaled);
    // Sign, at most 15 whole digits, the point and four decimals.
    char text[24];
    char* end = text;
    if (negative) *end++ = '-';
    end = std::to_chars(end, text + sizeof text, magnitude / Currency::Scale).ptr;
    *end++ = '.';
    const uint64_t fraction = magnitude % Currency::Scale;
    for (uint64_t unit = Currency::Scale / 10; unit > 0; unit /= 10)
        *end++ = static_cast<char>('0' + fraction / unit % 10);
    out.append(text, end);
}

}  // namespace Tabulon
