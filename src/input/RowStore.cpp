#include "input/RowStore.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <random>
#include <thread>
#include <utility>

#include "core/TextEncoding.h"
#include "system/Files.h"
#include "system/Mapping.h"

namespace Tabulon {

namespace {

// Records go to the file a megabyte at a time, and are handed to the writer
// as many at a time.
constexpr int64_t BatchRecords = 2048;
constexpr size_t WriteBlock = BatchRecords * RowStore::RecordSize;
// Runs from this size on are mapped instead of copied: the whole-file passes
// of the totals and the exports, not the few rows of a page.
constexpr size_t MapFrom = size_t{256} << 10;

// The name asked for with a random piece before "BUFFILE.DAT" (or at the end).
std::string FreshName(const std::string& path, std::mt19937& random) {
    const std::string tail = "BUFFILE.DAT";
    const std::string piece = "." + std::to_string(random() % 1000000);
    if (path.size() >= tail.size() &&
        path.compare(path.size() - tail.size(), tail.size(), tail) == 0)
        return path.substr(0, path.size() - tail.size()) + piece + tail;
    return path + piece;
}

// The little-endian 16-bit length in front of a record's text, and of each
// text of a batch.
void PutLength(char* at, size_t length) {
    at[0] = static_cast<char>(length & 0xFF);
    at[1] = static_cast<char>(length >> 8);
}
size_t LengthAt(const char* at) {
    return static_cast<unsigned char>(at[0]) |
           (static_cast<size_t>(static_cast<unsigned char>(at[1])) << 8);
}

// Writes a record over one whose text ended before `padded` bytes, the rest
// being spaces already, and returns how far the new text leaves them.
// Buffers are filled with spaces once and reused, so a record costs the
// copying of its text instead of 510 bytes.
size_t EncodeInto(char* record, std::string_view text, size_t padded) {
    PutLength(record, RowStore::TextSize);
    const std::string_view cut = CutUtf8(text, RowStore::TextSize);
    std::memcpy(record + 2, cut.data(), cut.size());
    if (cut.size() < padded) std::memset(record + 2 + cut.size(), ' ', padded - cut.size());
    return cut.size();
}

}  // namespace

// The texts appended since the last hand-on, each as a 16-bit length and its
// bytes, already cut to a record's text: about a tenth of the records they
// become.
struct RowStore::Batch {
    // Room for a full batch of the longest texts, taken once: only the part
    // written to is ever given memory by the system.
    static constexpr size_t Capacity = BatchRecords * (2 + RowStore::TextSize);
    std::unique_ptr<char[]> bytes = std::make_unique_for_overwrite<char[]>(Capacity);
    size_t size = 0;
    int64_t records = 0;

    void Add(std::string_view cut) {
        char* at = bytes.get() + size;
        PutLength(at, cut.size());
        std::memcpy(at + 2, cut.data(), cut.size());
        size += 2 + cut.size();
        ++records;
    }
    void Clear() {
        size = 0;
        records = 0;
    }
};

// Writes batches in order on a thread of its own while the caller fills the
// next ones. The thread also turns each batch into records, in a buffer of
// its own that stays in its processor's cache: the system's copying of that
// buffer into the file then reads memory close at hand, where copying a
// megabyte of records just written on the other processor was measured to
// take half as long again. A batch may wait beside the one being written, so
// that the two sides need not meet at every batch. A failed write is kept and
// reported from then on; the batches after it are dropped.
class RowStore::Writer {
  public:
    explicit Writer(int fd) : fd_(fd), thread_([this] { Run(); }) {}
    ~Writer() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // Takes the batch to write and gives back an empty one to fill (one
    // written before, once there is one); 0, or the error of an earlier
    // write, in which case nothing is taken.
    int HandOn(Batch& batch) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return waiting_.size() < BatchesAhead || error_ != 0; });
        if (error_ != 0) return error_;
        waiting_.push_back(std::move(batch));
        if (spare_.empty()) {
            batch = Batch();
        } else {
            batch = std::move(spare_.back());
            spare_.pop_back();
            batch.Clear();
        }
        lock.unlock();
        changed_.notify_all();
        return 0;
    }
    // Waits until every batch handed on is written; 0 or the error of a write.
    int Settle() const {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return waiting_.empty() && !writing_; });
        return error_;
    }
    // Waits until the first `records` handed on are in the file, or a write
    // failed: a reader beside a load still handing batches on waits for its
    // own rows only, never for the load to pause.
    void WaitFor(int64_t records) const {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return written_ >= records || error_ != 0; });
    }
    // The records handed on that never reached the file, once Settle or
    // HandOn has reported the failure.
    int64_t LostRecords() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return lost_;
    }

  private:
    static constexpr size_t BatchesAhead = 1;

    void Run() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return !waiting_.empty() || stopping_; });
            if (waiting_.empty()) return;
            Batch batch = std::move(waiting_.front());
            waiting_.pop_front();
            writing_ = true;
            lock.unlock();
            const int error = Write(batch);
            lock.lock();
            writing_ = false;
            if (error == 0) written_ += batch.records;
            if (error != 0) {
                error_ = error;
                lost_ += batch.records;
                for (const Batch& dropped : waiting_) lost_ += dropped.records;
                waiting_.clear();
            }
            spare_.push_back(std::move(batch));
            changed_.notify_all();
        }
    }

    // The batch as records, a megabyte at a time; 0 or the error.
    int Write(const Batch& batch) {
        if (records_.empty()) records_.assign(WriteBlock, ' ');
        size_t filled = 0;
        const char* at = batch.bytes.get();
        for (int64_t n = 0; n < batch.records; ++n) {
            const size_t length = LengthAt(at);
            padded_ = std::max(padded_, EncodeInto(records_.data() + filled,
                                                   std::string_view(at + 2, length), padded_));
            at += 2 + length;
            filled += RowStore::RecordSize;
            if (filled == WriteBlock || n + 1 == batch.records) {
                if (System::Append(fd_, records_.data(), filled) < 0) return errno;
                filled = 0;
            }
        }
        return 0;
    }

    const int fd_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::deque<Batch> waiting_;
    std::vector<Batch> spare_;  // written batches, to be filled again
    bool writing_ = false;
    bool stopping_ = false;
    int error_ = 0;
    int64_t lost_ = 0;
    int64_t written_ = 0;  // records in the file
    // The writer's own: records, and how far any text in them reaches (see
    // EncodeInto).
    std::vector<char> records_;
    size_t padded_ = 0;
    std::thread thread_;  // last: it starts once the rest is ready
};

RowStore::RowStore() = default;

RowStore::~RowStore() {
    Close();
}

RowStore::RowStore(RowStore&& other) noexcept {
    *this = std::move(other);
}

RowStore& RowStore::operator=(RowStore&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
        askedPath_ = std::move(other.askedPath_);
        writeError_ = std::exchange(other.writeError_, 0);
        pending_ = std::move(other.pending_);
        recordCount_ = other.recordCount_.exchange(0);
        flushedCount_ = other.flushedCount_.exchange(0);
        // The writer's thread knows only the descriptor, which moves along.
        writer_ = std::move(other.writer_);
    }
    return *this;
}

void RowStore::Close() {
    writer_.reset();  // after the write under way
    if (fd_ >= 0) System::Close(fd_);
    fd_ = -1;
}

void RowStore::Discard() {
    Close();
    if (!path_.empty()) std::remove(path_.c_str());
    path_.clear();
}

std::string RowStore::EncodeRecord(std::string_view text) {
    std::string record(RecordSize, ' ');
    EncodeInto(record.data(), text, 0);
    return record;
}

std::string_view RowStore::TextOf(const char* record) {
    size_t length = LengthAt(record);
    if (length > TextSize) length = TextSize;
    return {record + 2, length};
}

std::string RowStore::FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

Failure RowStore::Failed(const char* what, int error) const {
    const Operation operation = what[0] == 'r' ? Operation::ReadWorkFile : Operation::MakeWorkFile;
    return {operation, askedPath_, std::string(what) + ": " + std::strerror(error)};
}

Outcome<> RowStore::Create(const std::string& preferredPath, bool keepName) {
    Close();
    path_.clear();
    askedPath_ = preferredPath;
    writeError_ = 0;
    pending_ = std::make_unique<Batch>();
    recordCount_ = 0;
    flushedCount_ = 0;
    if (!keepName) {
        fd_ = System::CreateNameless(FolderOf(preferredPath));
        if (fd_ >= 0) {
            Started();
            return {};
        }
    }
    std::mt19937 random(std::random_device{}());
    std::string path = preferredPath;
    for (int attempt = 0; attempt < 32; ++attempt) {
        fd_ = System::CreateExclusive(path, !keepName);
        if (fd_ >= 0) break;
        if (errno != EEXIST && errno != ELOOP) return Failed("create", errno);
        path = FreshName(preferredPath, random);
    }
    if (fd_ < 0) return Failed("create", EEXIST);
    if (keepName) path_ = path;
    Started();
    return {};
}

// The writer exists from the start, so that a reader on another thread never
// sees it come into being.
void RowStore::Started() {
    writer_ = std::make_unique<Writer>(fd_);
}

bool RowStore::Publish() {
    return fd_ >= 0 && (pending_->records == 0 || HandOn());
}

bool RowStore::Append(std::string_view text) {
    if (fd_ < 0 || writeError_ != 0) return false;
    pending_->Add(CutUtf8(text, TextSize));
    ++recordCount_;
    if (pending_->records == BatchRecords) return HandOn();
    return true;
}

bool RowStore::HandOn() {
    if (const int error = writer_->HandOn(*pending_)) return WriteFailed(error);
    flushedCount_ = recordCount_.load();
    return true;
}

bool RowStore::WriteFailed(int error) {
    // What could not be written cannot be read either.
    flushedCount_ -= writer_->LostRecords();
    recordCount_ = flushedCount_.load();
    pending_->Clear();
    writeError_ = error;
    return false;
}

Outcome<> RowStore::WriteFailure() const {
    return Failed("write", writeError_);
}

Outcome<> RowStore::Flush() {
    if (writeError_ != 0) return WriteFailure();
    if (fd_ < 0) return Failed("write", EBADF);
    if (pending_->records > 0 && !HandOn()) return WriteFailure();
    if (writer_) {
        if (const int error = writer_->Settle()) {
            WriteFailed(error);
            return WriteFailure();
        }
    }
    return {};
}

Outcome<> RecordBlock::Intact() const {
    if (mapped.Intact()) return {};
    return Failure{Operation::ReadWorkFile, {}, std::string("read: ") + std::strerror(EIO)};
}

Outcome<> RowStore::Read(int64_t first, int64_t count, RecordBlock& block) const {
    block.texts.clear();
    block.mapped.Release();
    block.first = first;
    const int64_t flushed = flushedCount_;
    if (fd_ < 0 || first < 1 || count <= 0 || first > flushed) return {};
    count = std::min(count, flushed - first + 1);
    // The last blocks handed on may still be on their way to the file.
    // Should a write fail, the file ends before it and reading fails below.
    if (writer_) writer_->WaitFor(first + count - 1);
    const size_t bytes = static_cast<size_t>(count) * RecordSize;
    const int64_t offset = (first - 1) * static_cast<int64_t>(RecordSize);
    const char* data = nullptr;
    if (bytes >= MapFrom && block.mapped.Map(fd_, offset, bytes)) {
        data = block.mapped.Data();
    } else {
        block.bytes.resize(bytes);
        const int64_t got = System::ReadAt(fd_, block.bytes.data(), bytes, offset);
        if (got != static_cast<int64_t>(bytes)) return Failed("read", got < 0 ? errno : EIO);
        data = block.bytes.data();
    }
    block.texts.reserve(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i)
        block.texts.push_back(TextOf(data + i * static_cast<int64_t>(RecordSize)));
    return {};
}

}  // namespace Tabulon
