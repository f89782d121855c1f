#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "TestSupport.h"
#include "system/Files.h"
#include "system/Mapping.h"
#include "system/Replacing.h"

using namespace Tabulon;

namespace fs = std::filesystem;
using System::FileKind;
using System::FileStatus;

static bool SameFile(const FileStatus& a, const FileStatus& b) {
    return a.device == b.device && a.inode == b.inode;
}

// A file is known by its identity, size and time, whether asked by name or
// by an open descriptor; the identity goes with the file, not with its name.
TEST(SystemFiles, StatusTellsFilesApart) {
    TempDir dir;
    const std::string file = dir.File("rapor.txt"), moved = dir.File("taşındı.txt");
    WriteBytes(file, "12345");
    FileStatus byName, open, folder, missing, renamed, replaced;
    ASSERT_TRUE(System::StatusOf(file, byName));
    EXPECT_TRUE(byName.kind == FileKind::Regular && byName.size == 5);
    EXPECT_GT(byName.modifiedNanoseconds, int64_t{1000000000} * 1500000000);  // after 2017
    EXPECT_TRUE(System::StatusOf(dir.Path().string(), folder) && folder.kind == FileKind::Folder);
    EXPECT_FALSE(System::StatusOf(dir.File("yok.txt"), missing));
    EXPECT_EQ(missing.kind, FileKind::Missing);
    const int fd = System::OpenForReading(file);
    ASSERT_TRUE(fd >= 0 && System::StatusOf(fd, open));
    System::Close(fd);
    EXPECT_TRUE(SameFile(byName, open) && byName.size == open.size &&
                byName.modifiedNanoseconds == open.modifiedNanoseconds);
    const auto native = [](const std::string& utf8) {
        return fs::path(std::u8string(utf8.begin(), utf8.end()));
    };
    fs::rename(native(file), native(moved));
    WriteBytes(file, "123");
    ASSERT_TRUE(System::StatusOf(moved, renamed) && System::StatusOf(file, replaced));
    EXPECT_TRUE(SameFile(byName, renamed));
    EXPECT_FALSE(SameFile(byName, replaced));
    int64_t free = -1;
    EXPECT_TRUE(System::FreeSpace(dir.Path().string(), free) && free > 0);
    EXPECT_FALSE(System::FreeSpace(dir.File("yok"), free));
}

// A working file: never through a name that is there, written at its end
// while it is read by position, mapped only within its size, gone once closed.
TEST(SystemFiles, WorkingFileIsNewReadByPositionAndLeavesNothing) {
    TempDir dir;
    const std::string taken = dir.File("taken.dat"), fresh = dir.File("fresh.dat");
    WriteBytes(taken, "someone else's");
    errno = 0;
    EXPECT_EQ(System::CreateExclusive(taken, true), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(ReadBytes(taken), "someone else's");
    const int fd = System::CreateExclusive(fresh, true);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    std::string written;
    for (int block = 0; block < 64; ++block) {
        const std::string bytes(4096, static_cast<char>('a' + block % 26));
        ASSERT_EQ(System::Append(fd, bytes.data(), bytes.size()), 4096);
        written += bytes;
        // A read by position between writes must not move where the next write goes.
        std::string read(5000, '\0');
        const int64_t at = block * 3001 % static_cast<int64_t>(written.size());
        read.resize(System::ReadAt(fd, read.data(), read.size(), at));
        ASSERT_EQ(read, written.substr(at, 5000));
    }
    const size_t granule = System::MappingGranularity();
    void* mapped = System::MapForReading(fd, static_cast<int64_t>(granule), 4096);
    if (mapped) {
        EXPECT_EQ(std::memcmp(mapped, written.data() + granule, 4096), 0);
        System::Unmap(mapped, 4096);
    }
    EXPECT_EQ(System::MapForReading(fd, 0, written.size() + 1), nullptr);  // past the end
    System::Close(fd);
    EXPECT_FALSE(fs::exists(fresh));
}

// A finished file takes the older one's place, or a new name, in one step.
TEST(SystemFiles, PutsAFinishedFileInPlace) {
    for (const bool older : {true, false}) {
        TempDir dir;
        const std::string target = dir.File("rapor.csv"), part = dir.File(".rapor.csv.1.tmp");
        if (older) WriteBytes(target, "eski");
        ASSERT_FALSE(System::NameTaken(part));
        const int fd = System::CreateExclusive(part, false);
        ASSERT_GE(fd, 0) << std::strerror(errno);
        EXPECT_TRUE(System::NameTaken(part));
        ASSERT_EQ(System::Append(fd, "yeni", 4), 4);
        std::string final = target;
        ASSERT_TRUE(System::FollowLinks(final));
        EXPECT_TRUE(System::PutInPlace(fd, part, final)) << std::strerror(errno);
        System::Close(fd);
        EXPECT_EQ(ReadBytes(target), "yeni");
        EXPECT_FALSE(fs::exists(part));
    }
}
