#include "input/ReportFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace Tabulon {

namespace {

bool SameFile(const System::FileStatus& a, const System::FileStatus& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.modifiedNanoseconds == b.modifiedNanoseconds;
}

}  // namespace

ReportFile::~ReportFile() {
    if (fd_ >= 0) System::Close(fd_);
}

LoadResult::Failure ReportFile::Open(const std::string& path, std::string& reason) {
    fd_ = System::OpenForReading(path);
    if (fd_ < 0 || !System::StatusOf(fd_, opened_)) {
        reason = std::strerror(errno);
        return LoadResult::Failure::ReportUnreadable;
    }
    if (opened_.kind != System::FileKind::Regular) {
        reason = std::strerror(opened_.kind == System::FileKind::Folder ? EISDIR : ENODEV);
        return LoadResult::Failure::ReportNotAFile;
    }
    return LoadResult::Failure::None;
}

int64_t ReportFile::Read(char* buffer, size_t size) {
    if (aheadAt_ == ahead_.size()) return System::ReadSome(fd_, buffer, size);
    const size_t given = std::min(size, ahead_.size() - aheadAt_);
    std::memcpy(buffer, ahead_.data() + aheadAt_, given);
    aheadAt_ += given;
    if (aheadAt_ == ahead_.size()) {
        ahead_ = {};
        aheadAt_ = 0;
    }
    return static_cast<int64_t>(given);
}

bool ReportFile::Peek(size_t size, std::string_view& bytes) {
    ahead_.resize(size);
    size_t got = 0;
    while (got < size) {
        const int64_t n = System::ReadSome(fd_, ahead_.data() + got, size - got);
        if (n < 0) {
            ahead_ = {};
            return false;
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    ahead_.resize(got);
    bytes = {ahead_.data(), got};
    return true;
}

bool ReportFile::ChangedSinceOpen(const std::string& path, int64_t bytesRead) const {
    System::FileStatus now;
    System::FileStatus named;
    if (!System::StatusOf(fd_, now) || !System::StatusOf(path, named)) return true;
    return bytesRead != Size() || !SameFile(opened_, now) || !SameFile(opened_, named);
}

}  // namespace Tabulon
