#include "core/TurkishCase.h"

#include "core/TextEncoding.h"

namespace Tabulon {

namespace {

char32_t Lower(char32_t c) {
    if (c == U'I') return U'ı';
    if (c == U'İ') return U'i';
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    // Latin Extended-A mostly pairs a capital with the small letter after it;
    // from Ĺ to Ň and from Ź to Ž the capital comes on the odd code.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
    if (c == 0x178) return 0xFF;  // Ÿ
    return c;
}

}  // namespace

std::string FoldTurkishCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            AppendUtf8(out, Lower(lead));
            ++i;
            continue;
        }
        const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (i + length > utf8.size() || length == 1) {
            out.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        char32_t c = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        for (size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        AppendUtf8(out, Lower(c));
        i += length;
    }
    return out;
}

}  // namespace Tabulon
