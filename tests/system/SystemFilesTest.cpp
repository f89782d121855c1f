#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include "TestSupport.h"
#include "system/Files.h"
#include "system/Mapping.h"
#include "system/Replacing.h"

using namespace Tabulon;

namespace fs = std::filesystem;
using System::FileKind;
using System::FileStatus;

static FileStatus StatusOfPath(const std::string& path) {
    FileStatus status;
    // Nothing there reads as Missing, which is what the tests ask about.
    if (!System::StatusOf(path, status)) status.kind = System::FileKind::Missing;
    return status;
}

static bool SameFile(const FileStatus& a, const FileStatus& b) {
    return a.device == b.device && a.inode == b.inode;
}

// A file is known by its identity, size and time, whether asked by name or
// by an open descriptor; a file put in another's place is another file.
TEST(SystemFiles, StatusTellsFilesApart) {
    TempDir dir;
    const std::string file = dir.File("rapor.txt"), other = dir.File("öteki.txt");
    WriteBytes(file, "12345");
    WriteBytes(other, "123");
    const struct {
        std::string path;
        FileKind kind;
        int64_t size;
    } cases[] = {{file, FileKind::Regular, 5},
                 {dir.Path().string(), FileKind::Folder, -1},
                 {dir.File("yok.txt"), FileKind::Missing, 0}};
    for (const auto& c : cases) {
        FileStatus status;
        EXPECT_EQ(System::StatusOf(c.path, status), c.kind != FileKind::Missing) << c.path;
        EXPECT_EQ(status.kind, c.kind) << c.path;
        if (c.size >= 0) {
            EXPECT_EQ(status.size, c.size) << c.path;
        }
    }
    const FileStatus byName = StatusOfPath(file);
    const int fd = System::OpenForReading(file);
    ASSERT_GE(fd, 0);
    FileStatus open;
    ASSERT_TRUE(System::StatusOf(fd, open));
    System::Close(fd);
    EXPECT_TRUE(SameFile(byName, open) && byName.size == open.size &&
                byName.modifiedNanoseconds == open.modifiedNanoseconds);
    EXPECT_GT(byName.modifiedNanoseconds, int64_t{1000000000} * 1500000000);  // after 2017
    EXPECT_FALSE(SameFile(byName, StatusOfPath(other)));
    // The identity goes with the file, not with its name.
    const std::string moved = dir.File("taşındı.txt");
    const auto Native = [](const std::string& utf8) {
        return fs::path(std::u8string(utf8.begin(), utf8.end()));
    };
    fs::rename(Native(file), Native(moved));
    fs::rename(Native(other), Native(file));
    EXPECT_FALSE(SameFile(byName, StatusOfPath(file)));
    EXPECT_TRUE(SameFile(byName, StatusOfPath(moved)));
    int64_t free = -1;
    EXPECT_TRUE(System::FreeSpace(dir.Path().string(), free) && free > 0);
    EXPECT_FALSE(System::FreeSpace(dir.File("yok"), free));
}

// A working file: never through a name that is there, written at its end
// while other threads read it by position, gone once closed.
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
        char first = 0;
        ASSERT_EQ(System::ReadAt(fd, &first, 1, 0), 1);
    }
    std::vector<std::thread> readers;
    std::vector<int> faults(4, 0);
    for (int t = 0; t < 4; ++t)
        readers.emplace_back([&, t] {
            std::vector<char> buffer(5000);
            for (int64_t at = t * 1000; at < static_cast<int64_t>(written.size()); at += 7919) {
                const int64_t got = System::ReadAt(fd, buffer.data(), buffer.size(), at);
                const auto expected = std::min<int64_t>(5000, written.size() - at);
                if (got != expected || std::memcmp(buffer.data(), written.data() + at, got) != 0)
                    ++faults[t];
            }
        });
    for (std::thread& reader : readers) reader.join();
    EXPECT_EQ(faults, std::vector<int>(4, 0));
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
