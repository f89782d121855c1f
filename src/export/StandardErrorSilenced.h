#pragma once
#include <cstdio>

namespace Tabulon {

// While one of these lives, the C library's stderr drops what is written to
// it.
//
// The workbook library reports its own failures with fprintf(stderr, ...):
// English "[ERROR]" lines that name our temporary file, not the user's, and
// that would reach the terminal ahead of our own message. The export instead
// turns the library's error code and errno into the reason it reports with
// the path the user chose, so around the library's calls its lines go
// nowhere. Only the stderr pointer is swapped, never descriptor 2, so our own
// messages printed afterwards and the program's other output are untouched.
class StandardErrorSilenced {
  public:
    StandardErrorSilenced();
    ~StandardErrorSilenced();
    StandardErrorSilenced(const StandardErrorSilenced&) = delete;
    StandardErrorSilenced& operator=(const StandardErrorSilenced&) = delete;

  private:
    std::FILE* saved_;
};

}  // namespace Tabulon
