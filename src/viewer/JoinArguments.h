#pragma once
#include <string>

// The argument part of the command line: the arguments after the program's
// name joined by single spaces, as the system hands a program its command
// line. Nothing is removed, so a path with spaces arrives whole and a quoted
// path keeps its quotes.
std::string JoinArguments(int argc, const char* const* argv);
