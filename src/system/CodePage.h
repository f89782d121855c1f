#pragma once
#include <string>
#include <string_view>

namespace Tabulon {

namespace System {

// Text in the system's ANSI code page (1254 on a Turkish Windows) as UTF-8
// into `out`; false where the system has no such code page and the caller
// uses its own table.
bool AnsiToUtf8(std::string_view bytes, std::string& out);

}  // namespace System

}  // namespace Tabulon
