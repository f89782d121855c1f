#include "input/ReportFile.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

bool SameTime(const struct stat& a, const struct stat& b) {
#if defined(__linux__)
    return a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
#else
    return a.st_mtime == b.st_mtime;
#endif
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size && SameTime(a, b);
}

}  // namespace

ReportFile::~ReportFile() {
    if (fd_ >= 0) close(fd_);
}

LoadResult::Failure ReportFile::Open(const std::string& path, std::string& reason) {
#ifdef O_NONBLOCK
    fd_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
#else
    fd_ = open(path.c_str(), O_RDONLY | O_BINARY);
#endif
    if (fd_ < 0 || fstat(fd_, &opened_) != 0) {
        reason = std::strerror(errno);
        return LoadResult::Failure::ReportUnreadable;
    }
    if (!S_ISREG(opened_.st_mode)) {
        reason = std::strerror(S_ISDIR(opened_.st_mode) ? EISDIR : ENODEV);
        return LoadResult::Failure::ReportNotAFile;
    }
#ifdef O_NONBLOCK
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
#endif
    return LoadResult::Failure::None;
}

int64_t ReportFile::Read(char* buffer, size_t size) {
    for (;;) {
        const auto n = read(fd_, buffer, static_cast<unsigned>(size));
        if (n < 0 && errno == EINTR) continue;
        return n;
    }
}

bool ReportFile::ChangedSinceOpen(const std::string& path, int64_t bytesRead) const {
    struct stat now {};
    struct stat named {};
    if (fstat(fd_, &now) != 0 || stat(path.c_str(), &named) != 0) return true;
    return bytesRead != Size() || !SameFile(opened_, now) || !SameFile(opened_, named);
}
