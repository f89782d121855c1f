#include "system/CodePage.h"

namespace Tabulon {

namespace System {

// The system speaks UTF-8; lines that are not are read with the program's own
// Windows-1254 table, the code page of the programs that write the reports.
bool AnsiToUtf8(std::string_view, std::string&) {
    return false;
}

}  // namespace System

}  // namespace Tabulon
