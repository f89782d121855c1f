#include "system/CodePage.h"

#include "system/windows/WindowsCalls.h"

namespace Tabulon {

namespace System {

bool AnsiToUtf8(std::string_view bytes, std::string& out) {
    out.clear();
    if (bytes.empty()) return true;
    // A line is at most 64 KiB; the buffer is kept from line to line.
    thread_local std::wstring wide;
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return false;
    wide.resize(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
    const int utf8 =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    out.resize(static_cast<size_t>(utf8));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, out.data(), utf8, nullptr, nullptr);
    return true;
}

}  // namespace System

}  // namespace Tabulon
