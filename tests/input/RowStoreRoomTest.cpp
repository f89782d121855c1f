#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "../../bench/ReportGenerator.h"
#include "TestSupport.h"
#include "input/LoadReport.h"

using namespace Tabulon;

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
        {"9abcdefgh\r", 100, 10},
        {"9\r", int64_t{1} << 40, INT32_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EstimateRowStoreBytes(c.sample, c.fileSize ? c.fileSize : c.sample.size()),
                  c.rows * 512)
            << c.sample;
}

// A report the folder cannot hold is refused before anything is written
// there, named store or not; exactly enough room, or a folder that cannot
// say, is tried.
TEST(RowStoreRoom, ALoadTooLargeForTheFolderWritesNothing) {
    for (const auto& [free, keepName, loads] : {std::tuple{51199, false, false},
                                                {51199, true, false},
                                                {51200, true, true},
                                                {-1, true, true}}) {
        TempDir reportDir, storeDir;
        WriteLargeReport(reportDir.File("rapor.txt"), 100);
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
    }
}
