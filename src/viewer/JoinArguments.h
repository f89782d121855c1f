#pragma once
#include <string>

namespace Tabulon {

// The argument part of the command line: the arguments after the program's
// name joined by single spaces, as the system hands a program its command
// line. Nothing is removed, so a path with spaces arrives whole and a quoted
// path keeps its quotes.
std::string JoinArguments(int argc, const char* const* argv);

// How the viewer was started. The desktop entry puts "--desktop" first, so a
// start from the menu without a file can offer the file chooser, while a
// business program's empty command line keeps reporting a report that cannot
// be opened. The rest of the command line is the report's path as above.
struct StartArguments {
    std::string reportPath;
    bool fromDesktop = false;
};
StartArguments ReadStartArguments(int argc, const char* const* argv);

}  // namespace Tabulon
