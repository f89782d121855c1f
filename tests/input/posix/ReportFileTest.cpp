#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

#include "TestSupport.h"
#include "input/LoadReport.h"

using namespace Tabulon;

// A report the program writing it changes while it is read is loaded as far
// as it was read, and the result says so. The change comes at a known point:
// after the first of the file's 1 MiB blocks.
TEST(ChangedReport, ChangeWhileReadingIsReported) {
    TempDir dir;
    const std::string path = dir.File("report.txt");
    std::string text = ReportText({"1Rapor", "2Kod\tAd\t"});
    for (int i = 1; i <= 100000; ++i) text += "9" + std::to_string(i) + "\tMüşteri\t\r\n";
    // Written long ago as far as its time tells, so that any write now gives
    // it a new modification time, however coarse the system's clock.
    const timespec longAgo[2] = {{1000000000, 0}, {1000000000, 0}};
    const struct {
        const char* name;
        std::function<void()> change;
        bool changed;
    } cases[] = {
        {"untouched", [] {}, false},
        {"cut short", [&] { ASSERT_EQ(truncate(path.c_str(), 2 << 20), 0); }, true},
        {"replaced under its name by a file of the same size and time",
         [&] {
             WriteBytes(dir.File("new.txt"), text);
             ASSERT_EQ(utimensat(AT_FDCWD, dir.File("new.txt").c_str(), longAgo, 0), 0);
             ASSERT_EQ(std::rename(dir.File("new.txt").c_str(), path.c_str()), 0);
         },
         true},
        {"only its time set back",
         [&] {
             const timespec times[2] = {{1, 0}, {1, 0}};
             ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
         },
         true},
    };
    for (const auto& c : cases) {
        WriteBytes(path, text);
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), longAgo, 0), 0);
        int calls = 0;
        LoadOptions options;
        options.progress = [&](int64_t, int64_t) {
            if (++calls == 1) c.change();
            return true;
        };
        const LoadResult r = LoadReport(path, dir.File("BUFFILE.DAT"), options);
        EXPECT_TRUE(r.Ok()) << c.name;
        EXPECT_EQ(r.changedWhileRead, c.changed) << c.name;
        EXPECT_GT(r.rows.RecordCount(), 0) << c.name;
    }
}

// Refused before reading, so a FIFO without a writer or an endless device never hangs.
TEST(LoadReport, FilesThatCannotBeOpenedAreReported) {
    TempDir dir;
    mkfifo(dir.File("fifo").c_str(), 0600);
    const std::pair<std::string, std::string> cases[] = {
        {dir.File("missing.txt"), "No such file or directory"},
        {"", "No such file or directory"},
        {dir.Path().string(), "Is a directory"},
        {dir.File("fifo"), "No such device"}};
    const std::string store = dir.File("BUFFILE.DAT");
    LoadOptions keepName;
    keepName.keepRowStoreName = true;
    for (const auto& [path, reason] : cases) {
        const Failure failure = LoadReport(path, store, keepName).outcome.Why();
        EXPECT_TRUE(failure.operation == Operation::ReadReport && failure.path == path &&
                    failure.reason == reason)
            << path << ": " << failure.reason;
        EXPECT_FALSE(std::filesystem::exists(store)) << "left by " << path;
    }
    WriteBytes(dir.File("r.txt"), "9a\t\r\n");
    EXPECT_EQ(
        LoadReport(dir.File("r.txt"), dir.File("no/such/BUFFILE.DAT")).outcome.Why().operation,
        Operation::MakeWorkFile);
}
