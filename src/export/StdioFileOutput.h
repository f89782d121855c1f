#pragma once
#include <cstdio>
#include <string>
#include <string_view>

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
    // descriptor; the caller keeps its own.
    bool Open(int descriptor);
    bool Write(std::string_view bytes);
    // Flushes and closes; false when buffered bytes could not be written.
    bool Close();
    std::string Error() const { return error_; }

  private:
    bool Fail();

    std::FILE* file_ = nullptr;
    std::string error_;
};

}  // namespace Tabulon
