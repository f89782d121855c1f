#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The file of fixed 512-byte records that holds a report's data rows, so that
// any page's rows can be found by arithmetic: record n starts at (n - 1) * 512.
// Each record is a little-endian 16-bit length (always 510) followed by 510
// bytes of UTF-8 text, cut at a character boundary and padded with spaces.
class RowStore {
  public:
    static constexpr size_t RecordSize = 512;
    static constexpr size_t TextSize = 510;

    RowStore() = default;
    ~RowStore();
    RowStore(const RowStore&) = delete;
    RowStore& operator=(const RowStore&) = delete;

    // Creates the file empty (an older file is cut to nothing) for appending.
    bool Create(const std::string& path);
    bool Append(std::string_view text);

    // Opens for reading; a missing file reads as a store without records.
    bool Open(const std::string& path);
    int64_t RecordCount() const { return recordCount_; }
    // Record n (1-based) as its 510 bytes of text, padding included.
    bool ReadRecord(int64_t n, std::string& text);
    // Records first .. first + count - 1 with a single read; stops at the end.
    bool ReadRecords(int64_t first, int64_t count, std::vector<std::string>& texts);
    // The record after the one read last (record 1 after Open).
    bool ReadNext(std::string& text);
    // Up to `count` records after the one read last, with a single read into
    // `block` and without copying: each text views the block and holds until
    // the block is used again. False at the end or on a failed read.
    bool ReadNextRun(int64_t count, std::vector<char>& block, std::vector<std::string_view>& texts);

    // Flushes and closes; false when buffered data could not be written.
    bool Close();
    const std::string& LastError() const { return lastError_; }
    const std::string& Path() const { return path_; }

    // The 512 bytes of a record holding this text.
    static std::string EncodeRecord(std::string_view text);

  private:
    bool Fail(const char* what);
    bool Seek(int64_t n);

    std::FILE* file_ = nullptr;
    std::string path_;
    std::string lastError_;
    int64_t recordCount_ = 0;
    int64_t nextRecord_ = 1;
    bool writing_ = false;
};
