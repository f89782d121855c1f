#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "TestSupport.h"
#include "system/Files.h"

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
    const std::string file = dir.File("rapor.txt"), moved = dir.File("moved.txt");
    WriteBytes(file, "12345");
    FileStatus byName, open, renamed, replaced;
    ASSERT_TRUE(System::StatusOf(file, byName));
    EXPECT_TRUE(byName.kind == FileKind::Regular && byName.size == 5);
    EXPECT_GT(byName.modifiedNanoseconds, int64_t{1000000000} * 1500000000);  // after 2017
    EXPECT_FALSE(System::StatusOf(dir.File("yok.txt"), open));
    const int fd = System::OpenForReading(file);
    ASSERT_TRUE(fd >= 0 && System::StatusOf(fd, open));
    System::Close(fd);
    EXPECT_TRUE(SameFile(byName, open) && byName.size == open.size &&
                byName.modifiedNanoseconds == open.modifiedNanoseconds);
    ASSERT_EQ(std::rename(file.c_str(), moved.c_str()), 0);
    WriteBytes(file, "123");
    ASSERT_TRUE(System::StatusOf(moved, renamed) && System::StatusOf(file, replaced));
    EXPECT_TRUE(SameFile(byName, renamed));
    EXPECT_FALSE(SameFile(byName, replaced));
    int64_t free = -1;
    EXPECT_TRUE(System::FreeSpace(dir.Path().string(), free) && free > 0);
    EXPECT_FALSE(System::FreeSpace(dir.File("yok"), free));
}

// A working file is never made through a name that is there, and is gone once
// closed. Writing, reading by position and mapping it are the row store's tests.
TEST(SystemFiles, WorkingFileIsNewAndLeavesNothing) {
    TempDir dir;
    const std::string taken = dir.File("taken.dat"), fresh = dir.File("fresh.dat");
    WriteBytes(taken, "someone else's");
    errno = 0;
    EXPECT_EQ(System::CreateExclusive(taken, true), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(ReadBytes(taken), "someone else's");
    const int fd = System::CreateExclusive(fresh, true);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    ASSERT_EQ(System::Append(fd, "yeni", 4), 4);
    System::Close(fd);
    EXPECT_FALSE(fs::exists(fresh));
}
