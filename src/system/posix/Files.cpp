#include "system/Files.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace Tabulon {

namespace System {

namespace {

void Fill(const struct stat& info, FileStatus& status) {
    status.kind = S_ISREG(info.st_mode)   ? FileKind::Regular
                  : S_ISDIR(info.st_mode) ? FileKind::Folder
                                          : FileKind::Other;
    status.device = static_cast<uint64_t>(info.st_dev);
    status.inode = static_cast<uint64_t>(info.st_ino);
    status.size = static_cast<int64_t>(info.st_size);
    status.modifiedNanoseconds =
        static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

}  // namespace

bool StatusOf(const std::string& path, FileStatus& status) {
    status = FileStatus();
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return false;
    Fill(info, status);
    return true;
}

bool StatusOf(int fd, FileStatus& status) {
    status = FileStatus();
    struct stat info {};
    if (fstat(fd, &info) != 0) return false;
    Fill(info, status);
    return true;
}

int CreateExclusive(const std::string& path, bool temporary) {
    // O_EXCL with O_NOFOLLOW: neither an existing file nor a planted link is
    // ever opened.
    const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_NOFOLLOW | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    // The umask may have taken the owner's own bits; whoever opens the file
    // by name later needs them.
    fchmod(fd, S_IRUSR | S_IWUSR);
    if (temporary) unlink(path.c_str());
    return fd;
}

int CreateNameless(const std::string& folder) {
#ifdef O_TMPFILE
    // O_EXCL: the file can never be given a name later.
    return open(folder.c_str(), O_TMPFILE | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
#else
    (void)folder;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

int OpenForReading(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    // Only the open may not wait; reading a regular file waits as it should.
    if (fd >= 0) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

void Close(int fd) {
    close(fd);
}

void Remove(const char* path) {
    const int saved = errno;
    if (unlink(path) != 0 && errno == EISDIR) rmdir(path);
    errno = saved;
}

int64_t ReadSome(int fd, char* data, size_t size) {
    for (;;) {
        const ssize_t n = read(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        return n;
    }
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

int64_t Append(int fd, const char* data, size_t size) {
    // The descriptor's position is the end: reads go by position and leave it.
    size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return -1;
        done += static_cast<size_t>(n);
    }
    return static_cast<int64_t>(done);
}

std::FILE* OpenStream(int fd) {
    const int copy = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0) return nullptr;
    std::FILE* stream = fdopen(copy, "wb");
    if (!stream) {
        const int error = errno;
        close(copy);
        errno = error;
    }
    return stream;
}

bool FreeSpace(const std::string& folder, int64_t& bytes) {
    struct statvfs info {};
    if (statvfs(folder.c_str(), &info) != 0) return false;
    bytes = static_cast<int64_t>(info.f_bavail) * static_cast<int64_t>(info.f_frsize);
    return true;
}

bool FileSizeLimit(int64_t& bytes) {
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return false;
    bytes = static_cast<int64_t>(std::min<rlim_t>(limit.rlim_cur, INT64_MAX));
    return true;
}

}  // namespace System

}  // namespace Tabulon
