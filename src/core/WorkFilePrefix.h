#pragma once
#include <string>

namespace Tabulon {

// Where the working file of a run lives: the temporary folder followed
// directly by the process's id ("/tmp/4711"), so two copies of the program
// never pick the same name. Without a temporary folder it falls back to the
// current folder and says so; the caller tells the user.
struct WorkFilePlace {
    std::string prefix;
    bool temporaryFolderMissing = false;
};

WorkFilePlace WorkFilePrefix();

// The row store's name under a prefix: the prefix and "BUFFILE.DAT".
inline std::string RowStorePath(const std::string& prefix) {
    return prefix + "BUFFILE.DAT";
}

}  // namespace Tabulon
