#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "TestSupport.h"
#include "input/LoadReport.h"

using namespace Tabulon;

// Refused before reading, so a FIFO without a writer or an endless device never hangs.
TEST(LoadReport, FilesThatCannotBeOpenedAreReported) {
    using Failure = LoadResult::Failure;
    TempDir dir;
    mkfifo(dir.File("fifo").c_str(), 0600);
    const std::pair<std::string, Failure> cases[] = {
        {dir.File("missing.txt"), Failure::ReportUnreadable},
        {"", Failure::ReportUnreadable},
        {dir.Path().string(), Failure::ReportNotAFile},
        {dir.File("fifo"), Failure::ReportNotAFile},
        {"/dev/zero", Failure::ReportNotAFile}};
    const std::string store = dir.File("BUFFILE.DAT");
    LoadOptions keepName;
    keepName.keepRowStoreName = true;
    for (const auto& [path, failure] : cases) {
        const LoadResult result = LoadReport(path, store, keepName);
        EXPECT_TRUE(result.failure == failure && result.path == path && !result.reason.empty())
            << path;
        EXPECT_FALSE(std::filesystem::exists(store)) << "left by " << path;
    }
    WriteBytes(dir.File("r.txt"), "9a\t\r\n");
    EXPECT_EQ(LoadReport(dir.File("r.txt"), dir.File("no/such/BUFFILE.DAT")).failure,
              Failure::RowStoreUnwritable);
}
