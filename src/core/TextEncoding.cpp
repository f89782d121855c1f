#include "core/TextEncoding.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "system/CodePage.h"

namespace Tabulon {

namespace {

// Windows-1254 bytes 0x80..0x9F; the undefined ones keep their C1 code point.
constexpr char32_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x008E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178};

char32_t Windows1254ToUnicode(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte < 0xA0) return HighControls[byte - 0x80];
    switch (byte) {  // the Turkish letters that differ from Latin-1
        case 0xD0:
            return 0x011E;  // Ğ
        case 0xDD:
            return 0x0130;  // İ
        case 0xDE:
            return 0x015E;  // Ş
        case 0xF0:
            return 0x011F;  // ğ
        case 0xFD:
            return 0x0131;  // ı
        case 0xFE:
            return 0x015F;  // ş
        default:
            return byte;
    }
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    const size_t n = bytes.size();
    while (i < n) {
        // Most of a report is ASCII: eight bytes at a time while no byte has
        // its high bit set.
        for (uint64_t word = 0; i + 8 <= n; i += 8) {
            std::memcpy(&word, bytes.data() + i, 8);
            if (const uint64_t high = word & 0x8080808080808080u) {
                // On to the first byte of the word that is not ASCII.
                const int bits = std::endian::native == std::endian::little
                                     ? std::countr_zero(high)
                                     : std::countl_zero(high);
                i += static_cast<size_t>(bits / 8);
                break;
            }
        }
        if (i == n) break;
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        // Two bytes from C2 on are never overlong and never a surrogate: the
        // Turkish letters, mostly, checked without decoding them.
        if (c >= 0xC2 && c <= 0xDF) {
            if (i + 1 >= n || !IsContinuation(static_cast<unsigned char>(bytes[i + 1])))
                return false;
            i += 2;
            continue;
        }
        size_t length = 0;
        char32_t cp = 0;
        if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + length > n) return false;
        for (size_t k = 1; k < length; ++k) {
            const auto d = static_cast<unsigned char>(bytes[i + k]);
            if (!IsContinuation(d)) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        // Reject overlong forms, surrogates and values past U+10FFFF.
        if ((length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000) || cp > 0x10FFFF ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string DecodeReportLine(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    AnsiToUtf8(bytes, out);
    return out;
}

void AnsiToUtf8(std::string_view bytes, std::string& out) {
    if (!System::AnsiToUtf8(bytes, out)) Windows1254ToUtf8(bytes, out);
}

void Windows1254ToUtf8(std::string_view bytes, std::string& out) {
    out.clear();
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char c : bytes) AppendUtf8(out, Windows1254ToUnicode(static_cast<unsigned char>(c)));
}

size_t CodePointCount(std::string_view utf8) {
    size_t count = 0;
    for (char c : utf8)
        if (!IsContinuation(static_cast<unsigned char>(c))) ++count;
    return count;
}

std::string_view CutUtf8(std::string_view utf8, size_t maxBytes) {
    if (utf8.size() <= maxBytes) return utf8;
    size_t end = maxBytes;
    while (end > 0 && IsContinuation(static_cast<unsigned char>(utf8[end]))) --end;
    return utf8.substr(0, end);
}

std::string_view TrimSpaces(std::string_view text) {
    text = TrimTrailingSpaces(text);
    size_t begin = 0;
    while (begin < text.size() && text[begin] == ' ') ++begin;
    return text.substr(begin);
}

}  // namespace Tabulon
