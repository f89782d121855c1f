#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "TestSupport.h"
#include "system/Files.h"

using namespace Tabulon;

// A file's status is what the loader compares to tell a changed report (its
// own test changes each part); here the time is in nanoseconds, so two writes
// within a second differ, and a missing name has none. A working file never
// made nameless loses its name as it is made; free space is asked of a folder.
TEST(SystemFiles, StatusFreeSpaceAndATemporaryWorkingFile) {
    TempDir dir;
    const std::string file = dir.File("rapor.txt"), fresh = dir.File("fresh.dat");
    WriteBytes(file, "12345");
    System::FileStatus status;
    ASSERT_TRUE(System::StatusOf(file, status));
    EXPECT_GT(status.modifiedNanoseconds, int64_t{1000000000} * 1500000000);  // after 2017
    EXPECT_FALSE(System::StatusOf(dir.File("yok.txt"), status));
    int64_t free = -1;
    EXPECT_TRUE(System::FreeSpace(dir.Path().string(), free) && free > 0);
    EXPECT_FALSE(System::FreeSpace(dir.File("yok"), free));
    const int fd = System::CreateExclusive(fresh, true);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    System::Close(fd);
    EXPECT_FALSE(std::filesystem::exists(fresh));
}
