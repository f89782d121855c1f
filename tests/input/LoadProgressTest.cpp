#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "input/LoadReport.h"
#include "input/RowStore.h"

namespace {

// About 300 KB of rows, so the file is read in several blocks.
struct LongReportFile {
    TempDir dir;
    std::string path = dir.File("rapor.txt");
    std::string rowStore = dir.File("BUFFILE.DAT");
    int64_t size = 0;

    LongReportFile() {
        std::string text = "1Rapor\r\n2Kod\tAd\t\r\n5N\tT\t\r\n";
        for (int i = 1; i <= 10000; ++i) text += "9" + std::to_string(i) + "\tMüşteri adı\t\r\n";
        WriteBytes(path, text);
        size = static_cast<int64_t>(text.size());
    }
    int64_t StoredRows() const {
        RowStore store;
        return store.Open(rowStore) ? store.RecordCount() : -1;
    }
};

TEST(LoadProgress, CountsTheBytesReadUpToTheFileSize) {
    LongReportFile file;
    std::vector<std::pair<int64_t, int64_t>> asked;
    ReportModel model;
    const LoadResult result =
        LoadReport(model, file.path, file.rowStore, [&](int64_t done, int64_t total) {
            asked.emplace_back(done, total);
            return true;
        });
    ASSERT_TRUE(result.Ok());
    ASSERT_GE(asked.size(), 3u);
    for (size_t i = 0; i < asked.size(); ++i) {
        EXPECT_EQ(asked[i].second, file.size);
        if (i > 0) {
            EXPECT_GT(asked[i].first, asked[i - 1].first);
        }
    }
    EXPECT_EQ(asked.back().first, file.size);
    EXPECT_EQ(file.StoredRows(), 10000);
}

TEST(LoadProgress, AStopEndsTheLoadAsCancelledWithTheRowsSoFar) {
    LongReportFile file;
    int asks = 0;
    ReportModel model;
    const LoadResult result =
        LoadReport(model, file.path, file.rowStore, [&](int64_t, int64_t) { return ++asks < 2; });
    EXPECT_EQ(result.failure, LoadResult::Failure::Cancelled);
    EXPECT_EQ(asks, 2);
    EXPECT_GT(file.StoredRows(), 0);
    EXPECT_LT(file.StoredRows(), 10000);
}

}  // namespace
