#include "export/ReplacementFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/PartFileRegistry.h"

namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkHops = 40;
// A file name's length in bytes on the filesystems we write to.
constexpr size_t MaxNameBytes = 255;

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

// The file a chain of links ends at: the first name in the chain that is not
// a link, or that does not exist yet. Each relative link is read from the
// folder it lives in.
bool FollowLinks(fs::path& path, int& error) {
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT) return true;
            error = errno;
            return false;
        }
        if (!S_ISLNK(status.st_mode)) return true;
        if (!MayFollow(path, status)) {
            error = EACCES;
            return false;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            error = ec.value();
            return false;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = ELOOP;
    return false;
}

// ".NAME.NNNNNN.tmp", the name cut at a character boundary where the whole
// would be longer than a name may be.
std::string TemporaryName(const std::string& name, unsigned number) {
    constexpr size_t Overhead = std::char_traits<char>::length("..000000.tmp");
    size_t keep = std::min(name.size(), MaxNameBytes - Overhead);
    while (keep > 0 && keep < name.size() &&
           (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;
    char digits[8];
    std::snprintf(digits, sizeof digits, "%06u", number % 1000000);
    return "." + name.substr(0, keep) + "." + digits + ".tmp";
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

ReplacementFile::~ReplacementFile() {
    Discard();
}

bool ReplacementFile::Fail(int error) {
    error_ = std::strerror(error);
    return false;
}

bool ReplacementFile::Create(const std::string& targetPath) {
    Discard();
    if (targetPath.empty()) return Fail(ENOENT);
    fs::path final(targetPath);
    int error = 0;
    if (!FollowLinks(final, error)) return Fail(error);
    // Found out before the rows are written rather than at the rename.
    std::error_code ec;
    const std::string name = final.filename().string();
    if (name.empty() || name == "." || name == ".." || fs::is_directory(final, ec))
        return Fail(EISDIR);
    finalPath_ = final.string();

    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string candidate =
            (final.parent_path() / TemporaryName(name, random())).string();
        // A name that is taken is never listed, so a signal never removes
        // someone else's file.
        struct stat taken {};
        if (lstat(candidate.c_str(), &taken) == 0) continue;
        const int slot = PartFileRegistry::Add(candidate.c_str());
        // Exclusive: never through an existing name, never through a link
        // someone planted under it. Only the user can read it while it grows.
        const int fd = open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            S_IRUSR | S_IWUSR);
        const int openError = errno;
        if (fd >= 0) {
            // The umask may have taken the owner's own bits; the writers that
            // open the file by name need them.
            fchmod(fd, S_IRUSR | S_IWUSR);
            descriptor_ = fd;
            slot_ = slot;
            temporaryPath_ = candidate;
            return true;
        }
        PartFileRegistry::Forget(slot);
        if (openError != EEXIST) return Fail(openError);
    }
    return Fail(EEXIST);
}

bool ReplacementFile::Commit() {
    if (descriptor_ < 0) return false;
    // The older file's permissions, and its owner and group where the system
    // lets us keep them (a group we belong to; any owner for root).
    mode_t mode = NewFileMode();
    struct stat older {};
    if (lstat(finalPath_.c_str(), &older) == 0 && S_ISREG(older.st_mode)) {
        mode = older.st_mode & 0777;
        if (fchown(descriptor_, older.st_uid, older.st_gid) != 0)
            (void)!fchown(descriptor_, static_cast<uid_t>(-1), older.st_gid);
    }
    // On disk before the name moves, so a crash cannot leave an empty file
    // where the older one was.
    if (fchmod(descriptor_, mode) != 0 || fsync(descriptor_) != 0 ||
        std::rename(temporaryPath_.c_str(), finalPath_.c_str()) != 0) {
        const int error = errno;
        Discard();
        return Fail(error);
    }
    PartFileRegistry::Forget(slot_);
    close(descriptor_);
    descriptor_ = -1;
    slot_ = -1;
    temporaryPath_.clear();
    return true;
}

void ReplacementFile::Discard() {
    if (descriptor_ >= 0) close(descriptor_);
    descriptor_ = -1;
    if (temporaryPath_.empty()) return;
    // Removed before it leaves the list, so a signal in between finds nothing
    // rather than leaving the file behind.
    unlink(temporaryPath_.c_str());
    PartFileRegistry::Forget(slot_);
    slot_ = -1;
    temporaryPath_.clear();
}
