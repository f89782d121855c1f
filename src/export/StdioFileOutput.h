#pragma once
#include <cstdio>

#include "export/FileOutput.h"

// A file on disk written through a large stdio buffer.
class StdioFileOutput : public FileOutput {
  public:
    StdioFileOutput() = default;
    ~StdioFileOutput() override;
    StdioFileOutput(const StdioFileOutput&) = delete;
    StdioFileOutput& operator=(const StdioFileOutput&) = delete;

    bool Open(const std::string& path) override;
    bool Write(std::string_view bytes) override;
    bool Close() override;
    std::string Error() const override { return error_; }

  private:
    bool Fail();

    std::FILE* file_ = nullptr;
    std::string error_;
};
