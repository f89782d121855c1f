#include "viewer/JoinArguments.h"

#include <string_view>

namespace Tabulon {

std::string JoinArguments(int argc, const char* const* argv) {
    std::string joined;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) joined += ' ';
        joined += argv[i];
    }
    return joined;
}

StartArguments ReadStartArguments(int argc, const char* const* argv) {
    if (argc > 1 && std::string_view(argv[1]) == "--desktop")
        return {JoinArguments(argc - 1, argv + 1), true};
    return {JoinArguments(argc, argv), false};
}

}  // namespace Tabulon
