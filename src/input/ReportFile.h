#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input/LoadReport.h"
#include "system/Files.h"

namespace Tabulon {

// The report, opened so that a FIFO without a writer or a device never blocks
// the open and anything but a regular file is refused at once. What the file
// was when opened (which file, its size and modification time) is kept, so a
// report that the program writing it changed, cut or replaced while it was
// read can be told from a whole one.
class ReportFile {
  public:
    ReportFile() = default;
    ~ReportFile();
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    LoadResult::Failure Open(const std::string& path, std::string& reason);
    int64_t Size() const { return opened_.size; }
    // Bytes read into the buffer; 0 at the end, -1 on failure.
    int64_t Read(char* buffer, size_t size);
    // Up to `size` of the file's first bytes, before the first Read, which
    // then hands them out again; false when they cannot be read. Reading
    // ahead instead of by position keeps the reads the system sees the same
    // on every system.
    bool Peek(size_t size, std::string_view& bytes);
    // After the last read: whether the name now leads to another file, or the
    // file's size or modification time differ from the open's, or the bytes
    // read were not the size the file had then.
    bool ChangedSinceOpen(const std::string& path, int64_t bytesRead) const;

  private:
    int fd_ = -1;
    System::FileStatus opened_;
    std::vector<char> ahead_;  // peeked, not yet handed out from aheadAt_
    size_t aheadAt_ = 0;
};

}  // namespace Tabulon
