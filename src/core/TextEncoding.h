#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace Tabulon {

// Report lines come from programs that write either UTF-8 or the Windows
// code page of their system, Turkish for our users. Inside the program everything is UTF-8.

bool IsValidUtf8(std::string_view bytes);

// Appends one character as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

// One line as UTF-8: kept when it already is valid UTF-8, otherwise read in
// the ANSI code page and converted.
std::string DecodeReportLine(std::string_view bytes);
// Text in the ANSI code page converted to UTF-8 into `out`: the system's
// code page on Windows (1254 on a Turkish one), Windows-1254 elsewhere.
void AnsiToUtf8(std::string_view bytes, std::string& out);
// Windows-1254 text converted to UTF-8 into `out`, whose memory is reused
// line after line.
void Windows1254ToUtf8(std::string_view bytes, std::string& out);

// Number of characters (code points) of UTF-8 text; widths count these.
size_t CodePointCount(std::string_view utf8);

// The longest prefix of UTF-8 text of at most maxBytes bytes that ends on a
// character boundary.
std::string_view CutUtf8(std::string_view utf8, size_t maxBytes);

// Text with trailing spaces (code 32 only) removed. Inline: it runs for every
// field of every row.
inline std::string_view TrimTrailingSpaces(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return text.substr(0, end);
}
// Text with leading and trailing spaces removed.
std::string_view TrimSpaces(std::string_view text);

}  // namespace Tabulon
