#include "export/ReplacementFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "core/PartFileRegistry.h"
#include "system/Files.h"
#include "system/Replacing.h"

namespace Tabulon {

namespace {

// A file name's length in bytes on the filesystems we write to.
constexpr size_t MaxNameBytes = 255;
// Between folders: "/", and on Windows "\\" as well.
const std::string Separators =
    std::string("/") + static_cast<char>(std::filesystem::path::preferred_separator);

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
    std::string final = targetPath;
    if (!System::FollowLinks(final)) return Fail(errno);
    // Found out before the rows are written rather than at the rename.
    const size_t slash = final.find_last_of(Separators);
    const std::string folder = slash == std::string::npos ? "" : final.substr(0, slash + 1);
    const std::string name = final.substr(folder.size());
    System::FileStatus status;
    if (name.empty() || name == "." || name == ".." ||
        (System::StatusOf(final, status) && status.kind == System::FileKind::Folder))
        return Fail(EISDIR);
    finalPath_ = final;

    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string candidate = folder + TemporaryName(name, random());
        // A name that is taken is never listed, so a signal never removes
        // someone else's file.
        if (System::NameTaken(candidate)) continue;
        const int slot = PartFileRegistry::Add(candidate.c_str());
        // Only the user can read it while it grows.
        const int fd = System::CreateExclusive(candidate, false);
        const int openError = errno;
        if (fd >= 0) {
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
    if (!System::PutInPlace(descriptor_, temporaryPath_, finalPath_)) {
        const int error = errno;
        Discard();
        return Fail(error);
    }
    PartFileRegistry::Forget(slot_);
    System::Close(descriptor_);
    descriptor_ = -1;
    slot_ = -1;
    temporaryPath_.clear();
    return true;
}

void ReplacementFile::Discard() {
    if (descriptor_ >= 0) System::Close(descriptor_);
    descriptor_ = -1;
    if (temporaryPath_.empty()) return;
    // Removed before it leaves the list, so a signal in between finds nothing
    // rather than leaving the file behind.
    System::Remove(temporaryPath_.c_str());
    PartFileRegistry::Forget(slot_);
    slot_ = -1;
    temporaryPath_.clear();
}

}  // namespace Tabulon
