#pragma once
#include <cstdio>
#include <string>
#include <string_view>

#include "core/Outcome.h"

namespace Tabulon {

// A file written through a large stdio buffer, keeping the system's
// words for the first failure.
class StdioFileOutput {
  public:
    StdioFileOutput() = default;
    ~StdioFileOutput();
    StdioFileOutput(const StdioFileOutput&) = delete;
    StdioFileOutput& operator=(const StdioFileOutput&) = delete;

    // Writes to a file already open for writing, through a copy of its
    // descriptor; the caller keeps its own. Failures name `path`.
    Outcome<> Open(int descriptor, const std::string& path);
    // False once a write failed; Close says why.
    bool Write(std::string_view bytes);
    // Flushes and closes; a failure when any bytes could not be written.
    Outcome<> Close();

  private:
    bool Fail();

    std::FILE* file_ = nullptr;
    std::string path_;
    int error_ = 0;  // the first failure's
};

}  // namespace Tabulon
