#pragma once
#include <string>
#include <string_view>

// Where the delimited writer puts its bytes. The program writes through
// StdioFileOutput; tests hand in outputs that fail the way a full disk does.
class FileOutput {
  public:
    virtual ~FileOutput() = default;

    // Creates the file empty (an existing one is cut to nothing).
    virtual bool Open(const std::string& path) = 0;
    virtual bool Write(std::string_view bytes) = 0;
    // Flushes and closes; false when buffered bytes could not be written.
    virtual bool Close() = 0;
    // The system's words for the last failure.
    virtual std::string Error() const = 0;
};
