#include "input/ReportFile.h"

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
    return System::ReadSome(fd_, buffer, size);
}

bool ReportFile::ChangedSinceOpen(const std::string& path, int64_t bytesRead) const {
    System::FileStatus now;
    System::FileStatus named;
    if (!System::StatusOf(fd_, now) || !System::StatusOf(path, named)) return true;
    return bytesRead != Size() || !SameFile(opened_, now) || !SameFile(opened_, named);
}

}  // namespace Tabulon
