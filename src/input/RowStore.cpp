#include "input/RowStore.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <utility>

#include "core/TextEncoding.h"

#ifdef _WIN32
#include <io.h>
#include <share.h>

#include <mutex>
#else
#include <unistd.h>
#endif

namespace {

// Records go to the file a megabyte at a time.
constexpr size_t WriteBlock = 2048 * RowStore::RecordSize;

#ifdef _WIN32
int OpenNew(const std::string& path, bool keepName) {
    int fd = -1;
    const int flags = _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY | (keepName ? 0 : _O_TEMPORARY);
    if (_sopen_s(&fd, path.c_str(), flags, _SH_DENYWR, _S_IREAD | _S_IWRITE) != 0) return -1;
    return fd;
}
int OpenNameless(const std::string&) {
    errno = ENOTSUP;
    return -1;
}
int64_t WriteAll(int fd, const char* data, size_t size) {
    return _write(fd, data, static_cast<unsigned>(size));
}
int64_t ReadAt(int fd, char* data, size_t size, int64_t offset) {
    static std::mutex positioned;
    std::lock_guard<std::mutex> lock(positioned);
    if (_lseeki64(fd, offset, SEEK_SET) < 0) return -1;
    return _read(fd, data, static_cast<unsigned>(size));
}
void CloseFile(int fd) {
    _close(fd);
}
void RemoveName(const std::string&) {}  // _O_TEMPORARY removes it on close
#else
int OpenNew(const std::string& path, bool) {
    // O_EXCL with O_NOFOLLOW: neither an existing file nor a planted link is
    // ever opened.
    return open(path.c_str(), O_CREAT | O_EXCL | O_NOFOLLOW | O_RDWR | O_CLOEXEC, 0600);
}
int OpenNameless(const std::string& folder) {
#ifdef O_TMPFILE
    // O_EXCL: the file can never be given a name later.
    return open(folder.c_str(), O_TMPFILE | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
#else
    (void)folder;
    errno = EOPNOTSUPP;
    return -1;
#endif
}
int64_t WriteAll(int fd, const char* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return -1;
        done += static_cast<size_t>(n);
    }
    return static_cast<int64_t>(done);
}
int64_t ReadAt(int fd, char* data, size_t size, int64_t offset) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = pread(fd, data + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    return static_cast<int64_t>(done);
}
void CloseFile(int fd) {
    close(fd);
}
void RemoveName(const std::string& path) {
    unlink(path.c_str());
}
#endif

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

// The name asked for with a random piece before "BUFFILE.DAT" (or at the end).
std::string FreshName(const std::string& path, std::mt19937& random) {
    const std::string tail = "BUFFILE.DAT";
    const std::string piece = "." + std::to_string(random() % 1000000);
    if (path.size() >= tail.size() &&
        path.compare(path.size() - tail.size(), tail.size(), tail) == 0)
        return path.substr(0, path.size() - tail.size()) + piece + tail;
    return path + piece;
}

void EncodeInto(char* record, std::string_view text) {
    record[0] = static_cast<char>(RowStore::TextSize & 0xFF);
    record[1] = static_cast<char>(RowStore::TextSize >> 8);
    const std::string_view cut = CutUtf8(text, RowStore::TextSize);
    std::memcpy(record + 2, cut.data(), cut.size());
    std::memset(record + 2 + cut.size(), ' ', RowStore::TextSize - cut.size());
}

}  // namespace

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
        lastError_ = std::move(other.lastError_);
        pending_ = std::move(other.pending_);
        recordCount_ = std::exchange(other.recordCount_, 0);
        flushedCount_ = std::exchange(other.flushedCount_, 0);
    }
    return *this;
}

void RowStore::Close() {
    if (fd_ >= 0) CloseFile(fd_);
    fd_ = -1;
}

std::string RowStore::EncodeRecord(std::string_view text) {
    std::string record(RecordSize, ' ');
    EncodeInto(record.data(), text);
    return record;
}

std::string_view RowStore::TextOf(const char* record) {
    size_t length = static_cast<unsigned char>(record[0]) |
                    (static_cast<size_t>(static_cast<unsigned char>(record[1])) << 8);
    if (length > TextSize) length = TextSize;
    return {record + 2, length};
}

bool RowStore::Fail(const char* what, int error) {
    lastError_ = std::string(what) + ": " + std::strerror(error);
    return false;
}

bool RowStore::Create(const std::string& preferredPath, bool keepName) {
    Close();
    path_.clear();
    pending_.clear();
    recordCount_ = flushedCount_ = 0;
    if (!keepName) {
        fd_ = OpenNameless(FolderOf(preferredPath));
        if (fd_ >= 0) return true;
    }
    std::mt19937 random(std::random_device{}());
    std::string path = preferredPath;
    for (int attempt = 0; attempt < 32; ++attempt) {
        fd_ = OpenNew(path, keepName);
        if (fd_ >= 0) break;
        if (errno != EEXIST && errno != ELOOP) return Fail("create", errno);
        path = FreshName(preferredPath, random);
    }
    if (fd_ < 0) return Fail("create", EEXIST);
    if (keepName)
        path_ = path;
    else
        RemoveName(path);
    return true;
}

bool RowStore::Append(std::string_view text) {
    if (fd_ < 0) return false;
    if (pending_.capacity() < WriteBlock) pending_.reserve(WriteBlock);
    const size_t at = pending_.size();
    pending_.resize(at + RecordSize);
    EncodeInto(pending_.data() + at, text);
    ++recordCount_;
    if (pending_.size() >= WriteBlock) return Flush();
    return true;
}

bool RowStore::Flush() {
    if (fd_ < 0) return false;
    if (pending_.empty()) return true;
    if (WriteAll(fd_, pending_.data(), pending_.size()) < 0) {
        const int error = errno;
        pending_.clear();
        // What could not be written cannot be read either.
        recordCount_ = flushedCount_;
        return Fail("write", error);
    }
    pending_.clear();
    flushedCount_ = recordCount_;
    return true;
}

bool RowStore::Read(int64_t first, int64_t count, RecordBlock& block, std::string& error) const {
    block.texts.clear();
    block.first = first;
    if (fd_ < 0 || first < 1 || count <= 0 || first > flushedCount_) return true;
    count = std::min(count, flushedCount_ - first + 1);
    const size_t bytes = static_cast<size_t>(count) * RecordSize;
    block.bytes.resize(bytes);
    const int64_t got =
        ReadAt(fd_, block.bytes.data(), bytes, (first - 1) * static_cast<int64_t>(RecordSize));
    if (got != static_cast<int64_t>(bytes)) {
        error = std::string("read: ") + std::strerror(got < 0 ? errno : EIO);
        return false;
    }
    block.texts.reserve(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i)
        block.texts.push_back(TextOf(block.bytes.data() + i * static_cast<int64_t>(RecordSize)));
    return true;
}
