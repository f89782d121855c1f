#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "TestSupport.h"
#include "input/LoadReport.h"

using namespace Tabulon;

namespace {

std::string Rows(int count) {
    std::string text = ReportText({"1SATIŞ", "2Kod\tAd\tTutar\t"});
    for (int i = 1; i <= count; ++i)
        text += "9" + std::to_string(100000 + i) + "\tAli\t12,50\t\r\n";
    return text;
}

}  // namespace

// Rows are counted as the loader cuts lines (CR ends one, an LF after it
// belongs to it, a lone LF does not, only a "9" first is a row; UTF-16 as its
// text); a longer file is taken as thick with rows as the sample, up to what
// a row number reaches.
TEST(RowStoreRoom, EstimatesOneRecordPerDataRow) {
    const struct {
        std::string sample;
        int64_t fileSize;  // 0: the sample is the whole file
        int64_t rows;
    } cases[] = {
        {"1A\r\n2B\t\r\n9a\t\r\n9b\t\r\n", 0, 2},
        {"9a\r9b\r9c", 0, 3},
        {std::string("\377\3769\0a\0\r\0\n\0009\0b\0\r\0", 16), 0, 2},  // marked UTF-16
        {"9a\n9b\n9c\n", 0, 1},
        {" 9a\r\n19\r\n\r\n", 0, 0},
        {"9abcdefgh\r", 100, 10},
        {"9\r", int64_t{1} << 40, INT32_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EstimateRowStoreBytes(c.sample, c.fileSize ? c.fileSize : c.sample.size()),
                  c.rows * 512)
            << c.sample;
}

// A report the folder cannot hold is refused before anything is written
// there, named store or not, with the folder, the size needed and the room;
// exactly enough room, or a folder that cannot say, is tried.
TEST(RowStoreRoom, ALoadTooLargeForTheFolderWritesNothing) {
    for (const auto& [free, keepName, loads] : {std::tuple{51199, false, false},
                                                {51199, true, false},
                                                {51200, true, true},
                                                {-1, true, true}}) {
        TempDir reportDir, storeDir;
        WriteBytes(reportDir.File("rapor.txt"), Rows(100));
        LoadOptions options;
        options.keepRowStoreName = keepName;
        options.freeSpace = [&](const std::string& folder, int64_t& bytes) {
            EXPECT_EQ(folder, storeDir.Path().string());
            bytes = free;
            return free >= 0;
        };
        const LoadResult loaded =
            LoadReport(reportDir.File("rapor.txt"), storeDir.File("4711BUFFILE.DAT"), options);
        EXPECT_EQ(loaded.Ok(), loads) << free;
        EXPECT_EQ(std::filesystem::is_empty(storeDir.Path()), !loads) << free;
        if (loads) continue;
        EXPECT_EQ(loaded.outcome.Why().operation, Operation::FindRoom);
        EXPECT_EQ(loaded.outcome.Why().path, storeDir.Path().string());
        EXPECT_EQ(loaded.room.needed, 51200);
        EXPECT_EQ(loaded.room.free, free);
    }
}
