#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "TestSupport.h"
#include "input/LoadReport.h"

using namespace Tabulon;

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
