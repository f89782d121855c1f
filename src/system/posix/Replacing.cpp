#include "system/Replacing.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace Tabulon {

namespace fs = std::filesystem;

namespace System {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;

// A link in a folder that everyone may write to but only owners may delete
// from (the temporary folder) is followed only when it is ours or the
// folder owner's, as the system itself does when it opens a file: anyone can
// plant a link there, and replacing what a stranger's link names would let
// them choose which of our files we overwrite.
bool MayFollow(const fs::path& link, const struct stat& linkStatus) {
    struct stat folder {};
    const fs::path parent = link.has_parent_path() ? link.parent_path() : fs::path(".");
    if (stat(parent.c_str(), &folder) != 0) return false;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || linkStatus.st_uid == geteuid() || linkStatus.st_uid == folder.st_uid;
}

// What a plain creation gives a new file: 0666 less the umask. The umask is
// read without setting it, since setting it to read it would change it for
// the program's other threads meanwhile.
mode_t NewFileMode() {
    mode_t mask = 022;
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned value = 0;
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "Umask: %o", &value) == 1) {
                mask = static_cast<mode_t>(value);
                break;
            }
        std::fclose(status);
    }
    return 0666 & ~mask;
}

}  // namespace

// Each relative link is read from the folder it lives in.
bool FollowLinks(std::string& target) {
    fs::path path(target);
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0) {
            if (errno != ENOENT) return false;
            target = path.string();
            return true;
        }
        if (!S_ISLNK(status.st_mode)) {
            target = path.string();
            return true;
        }
        if (!MayFollow(path, status)) {
            errno = EACCES;
            return false;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            errno = ec.value();
            return false;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    errno = ELOOP;
    return false;
}

bool NameTaken(const std::string& path) {
    struct stat taken {};
    return lstat(path.c_str(), &taken) == 0;
}

bool PutInPlace(int fd, const std::string& partPath, const std::string& finalPath) {
    // The older file's permissions, and its owner and group where the system
    // lets us keep them (a group we belong to; any owner for root).
    mode_t mode = NewFileMode();
    struct stat older {};
    if (lstat(finalPath.c_str(), &older) == 0 && S_ISREG(older.st_mode)) {
        mode = older.st_mode & 0777;
        if (fchown(fd, older.st_uid, older.st_gid) != 0)
            (void)!fchown(fd, static_cast<uid_t>(-1), older.st_gid);
    }
    // On disk before the name moves, so a crash cannot leave an empty file
    // where the older one was.
    return fchmod(fd, mode) == 0 && fsync(fd) == 0 &&
           std::rename(partPath.c_str(), finalPath.c_str()) == 0;
}

}  // namespace System

}  // namespace Tabulon
