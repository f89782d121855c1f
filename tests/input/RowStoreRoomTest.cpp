#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "TestSupport.h"
#include "input/LoadReport.h"
#include "input/RowStoreRoom.h"

using namespace Tabulon;

namespace {

constexpr int64_t Record = 512;

std::string Utf16(std::string_view ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return out;
}

std::string Rows(int count) {
    std::string text = ReportText({"1SATIŞ", "2Kod\tAd\tTutar\t", "5Z\tT\tC\t"});
    for (int i = 1; i <= count; ++i)
        text += "9" + std::to_string(100000 + i) + "\tAli\t12,50\t\r\n";
    return text;
}

}  // namespace

// The rows are counted as the loader cuts lines: CR ends one (an LF after it
// belongs to it), a lone LF does not, and only a "9" first is a row; a UTF-16
// report counts as the same text in UTF-8. A file longer than the sample is
// taken as thick with rows as the sample, within what a row number reaches.
TEST(RowStoreRoom, EstimatesOneRecordPerDataRow) {
    const struct {
        const char* name;
        std::string sample;
        int64_t fileSize;  // 0: the sample is the whole file
        int64_t rows;
    } cases[] = {
        {"empty", "", 0, 0},
        {"headers only", "1A\r\n2B\t\r\n5T\t\r\n", 0, 0},
        {"CR LF", "1A\r\n9a\t\r\n9b\t\r\n", 0, 2},
        {"CR alone, last line open", "9a\r9b\r9c", 0, 3},
        {"lone LF", "9a\n9b\n9c\n", 0, 1},
        {"not first", " 9a\r\n19\r\n\r\n", 0, 0},
        {"UTF-16 LE", Utf16("1A\r\n9a\t\r\n9b\t\r\n", false), 0, 2},
        {"UTF-16 BE", Utf16("9a\r\n9b\r\n9c\r\n", true), 0, 3},
        {"ten times the sample", "9abcdefgh\r", 100, 10},
        {"more rows than a row number", "9\r", int64_t{1} << 40,
         std::numeric_limits<int32_t>::max()},
    };
    for (const auto& c : cases) {
        const int64_t size = c.fileSize ? c.fileSize : static_cast<int64_t>(c.sample.size());
        EXPECT_EQ(EstimateRowStoreBytes(c.sample, size), c.rows * Record) << c.name;
    }
}

// The estimate is what the load then writes: exactly for reports within the
// sample, within a percent for one of several megabytes.
TEST(RowStoreRoom, EstimateMatchesTheRowsLoaded) {
    TempDir dir;
    WriteBytes(dir.File("big.txt"), Rows(150000));
    for (const std::string& name :
         {std::string(TABULON_TEST_DATA) + "/sample.txt",
          std::string(TABULON_TEST_DATA) + "/sample-utf16le.txt",
          std::string(TABULON_TEST_DATA) + "/sample-utf16be.txt", dir.File("big.txt")}) {
        SCOPED_TRACE(name);
        const LoadResult loaded = LoadReport(name, dir.File("BUFFILE.DAT"));
        ASSERT_TRUE(loaded.Ok());
        const int64_t stored = loaded.rows.RecordCount() * Record;
        ASSERT_GT(stored, 0);
        if (std::filesystem::file_size(name) <= (1u << 20))
            EXPECT_EQ(loaded.room.needed, stored);
        else
            EXPECT_NEAR(static_cast<double>(loaded.room.needed), static_cast<double>(stored),
                        stored / 100.0);
    }
}

// A report the folder cannot hold is refused before anything is written
// there, named store or not, with the folder, the size needed and the room
// there is; exactly enough room, or a folder that cannot say, is tried.
TEST(RowStoreRoom, ALoadTooLargeForTheFolderWritesNothing) {
    const int64_t needed = 100 * Record;
    const struct {
        int64_t free;  // -1: the system cannot tell
        bool keepName;
        bool loads;
    } cases[] = {
        {needed - 1, false, false}, {needed - 1, true, false}, {0, true, false},
        {needed, true, true},       {-1, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.free) + (c.keepName ? " named" : ""));
        TempDir reportDir, storeDir;
        WriteBytes(reportDir.File("rapor.txt"), Rows(100));
        std::string asked;
        LoadOptions options;
        options.keepRowStoreName = c.keepName;
        options.freeSpace = [&](const std::string& folder, int64_t& bytes) {
            asked = folder;
            bytes = c.free;
            return c.free >= 0;
        };
        const LoadResult loaded =
            LoadReport(reportDir.File("rapor.txt"), storeDir.File("4711BUFFILE.DAT"), options);
        EXPECT_EQ(asked, storeDir.Path().string());
        EXPECT_EQ(loaded.room.needed, needed);
        EXPECT_EQ(loaded.Ok(), c.loads);
        EXPECT_EQ(std::filesystem::is_empty(storeDir.Path()), !(c.loads && c.keepName));
        if (c.loads) continue;
        EXPECT_EQ(loaded.failure, LoadResult::Failure::NoRoomForRows);
        EXPECT_EQ(loaded.path, storeDir.Path().string());
        EXPECT_EQ(loaded.room.free, c.free);
        EXPECT_EQ(loaded.rows.RecordCount(), 0);
    }
}
