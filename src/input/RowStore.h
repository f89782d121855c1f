#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"
#include "input/MappedBytes.h"

namespace Tabulon {

// Records read together: one block of bytes and a view of each record's text
// into it. A block is reused read after read, so its views hold until the
// next read into it.
struct RecordBlock {
    std::vector<char> bytes;
    MappedBytes mapped;  // long runs are viewed in place instead of copied
    std::vector<std::string_view> texts;
    int64_t first = 0;  // the number of texts[0]

    // Asked after the texts were used: a failure when the file was cut short
    // under them, so that some read as zeros.
    Outcome<> Intact() const;
};

// The working file of fixed 512-byte records that holds a report's data rows,
// so that any page's rows can be found by arithmetic: record n starts at
// (n - 1) * 512. Each record is a little-endian 16-bit length (always 510)
// followed by 510 bytes of UTF-8 text, cut at a character boundary and padded
// with spaces.
//
// The file is the user's alone (mode 0600) and is created exclusively: an
// existing file or link under the name asked for is never opened, a fresh
// name is taken instead. Unless the name is to be kept, the file has no name
// at all while the program holds it open, so nothing remains in the
// temporary folder however the program ends. Rows are appended through a
// large buffer and read back by position, so reads never disturb each other
// and may come from another thread once the rows are written.
//
// Rows are handed in batches to a thread of the store's own, which makes
// them into records and writes them while the next ones are read, so the
// system's copying of the records into the file overlaps the work of
// producing the rows; a read waits for those writes when they have not yet
// ended. Long runs are read by mapping the file rather than copying it.
class RowStore {
  public:
    static constexpr size_t RecordSize = 512;
    static constexpr size_t TextSize = 510;

    RowStore();
    ~RowStore();
    RowStore(RowStore&& other) noexcept;
    RowStore& operator=(RowStore&& other) noexcept;
    RowStore(const RowStore&) = delete;
    RowStore& operator=(const RowStore&) = delete;

    // A new, empty store at preferredPath (or a fresh name beside it when
    // that one is taken); with keepName false the file is nameless from the
    // start where the system allows it, and unnamed right after creation
    // elsewhere. A failure naming preferredPath when the folder cannot take it.
    Outcome<> Create(const std::string& preferredPath, bool keepName);
    bool IsOpen() const { return fd_ >= 0; }

    // False once a write failed (Flush then says why): it is asked for every
    // row, so it answers as cheaply as it can.
    bool Append(std::string_view text);
    // Hands the rows appended so far on to the file without waiting for a
    // full batch, so that a reader can have them soon; false when the disk
    // refused an earlier write.
    bool Publish();
    // Writes what is still buffered and waits for the writes under way; a
    // failure when the disk refused any of it, now or before.
    Outcome<> Flush();

    // Records appended so far; the ones flushed can be read. One thread may
    // append while others read the records flushed (ReadableCount).
    int64_t RecordCount() const { return recordCount_; }
    int64_t ReadableCount() const { return flushedCount_; }
    // Records first .. first + count - 1 (as many as exist) with one read.
    // A failure when the file could not be read.
    Outcome<> Read(int64_t first, int64_t count, RecordBlock& block) const;

    // Closes the store and removes its name, if it has one: what a failed
    // load left half written is of no use, and must not fill the folder.
    void Discard();

    // The file's name; empty when it has none.
    const std::string& Path() const { return path_; }

    // The folder a store asked for at this path lives in.
    static std::string FolderOf(const std::string& path);
    // The 512 bytes of a record holding this text.
    static std::string EncodeRecord(std::string_view text);
    // The text of a record, padding included.
    static std::string_view TextOf(const char* record);

  private:
    class Writer;

    Failure Failed(const char* what, int error) const;
    void Started();
    // Hands the texts appended to the writer, taking back an empty batch.
    bool HandOn();
    // A failed write: the rows from its block on are gone.
    bool WriteFailed(int error);
    Outcome<> WriteFailure() const;
    void Close();

    int fd_ = -1;
    std::string path_;
    std::string askedPath_;  // the name asked for, which failures name
    int writeError_ = 0;     // the first write that failed
    struct Batch;
    std::unique_ptr<Batch> pending_;  // texts appended, not yet handed on
    std::atomic<int64_t> recordCount_ = 0;
    // Records handed to the file; the last blocks of them may still be on
    // their way there, which a read waits for.
    std::atomic<int64_t> flushedCount_ = 0;
    std::unique_ptr<Writer> writer_;
};

}  // namespace Tabulon
