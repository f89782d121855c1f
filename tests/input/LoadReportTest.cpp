#include <gtest/gtest.h>

#include <sstream>

#include "TestSupport.h"
#include "input/LoadReport.h"
#include "input/RowStore.h"

namespace {

// Loads report text from a temporary file into a fresh model.
struct Loaded {
    TempDir dir;
    ReportModel model;
    LoadResult result;
    std::string storePath = dir.File("BUFFILE.DAT");

    explicit Loaded(const std::string& bytes, ReportModel start = {},
                    const ProgressCallback& progress = {})
        : model(std::move(start)) {
        WriteBytes(dir.File("report.txt"), bytes);
        result = LoadReport(model, dir.File("report.txt"), storePath, progress);
    }
    std::vector<std::string> Records() {
        RowStore store;
        store.Open(storePath);
        std::vector<std::string> records;
        for (std::string text; store.ReadNext(text);) records.push_back(text);
        return records;
    }
};

// Entries 1..n of a model table as "a|b|c|", numbers and flags as digits.
template <typename T, size_t N>
std::string Columns(const std::array<T, N>& table, int n) {
    std::ostringstream out;
    for (int c = 1; c <= n; ++c) {
        if constexpr (std::is_arithmetic_v<T>)
            out << +table[c] << '|';
        else
            out << table[c] << '|';
    }
    return out.str();
}

TEST(LoadReport, WorkedExample) {
    Loaded r(ReportText({"1MONTHLY SALES", "2Code\tName\tAmount\t", "36\t20\t12\t", "4\t\t++\t",
                         "5Z\tT\tC\t", "942\tAli\t1.234,50\t"}));
    ASSERT_TRUE(r.result.Ok());
    const ReportModel& m = r.model;
    EXPECT_EQ(m.HeaderCount, 1);
    EXPECT_EQ(m.HeaderLines[1], "MONTHLY SALES");
    EXPECT_EQ(Columns(m.ColumnTitles, 3), "Code|Name|Amount|");
    EXPECT_EQ(Columns(m.ColumnTotalFlags, 3), "0|0|1|");
    EXPECT_EQ(Columns(m.ColumnFormats, 3), "000000|@|#,##0.00;(#,##0.00)|");
    EXPECT_EQ(Columns(m.ColumnKinds, 3), "7|10|5|");
    EXPECT_EQ(Columns(m.MeasuredWidths, 3), "4|4|8|");
    EXPECT_EQ(Columns(m.ColumnWidths, 3), "4|4|11|");
    EXPECT_EQ(m.RowCount, 1);
    EXPECT_EQ(r.Records(), std::vector{"42\tAli\t1.234,50\t" + std::string(510 - 16, ' ')});
}

TEST(LoadReport, RecordTypeIsTheFirstCharacterOnly) {
    Loaded r(ReportText({"12nd header", "1", "0zero\t", "6six\t", "7seven\t", "8eight\t", "Aabc\t",
                         " 9nine\t", "", "1third", "2A\tB\tC\t", "2X\t"}));
    EXPECT_EQ(r.model.HeaderCount, 3);
    EXPECT_EQ(Columns(r.model.HeaderLines, 4), "2nd header||third||");
    EXPECT_EQ(r.model.RowCount, 0);
    // Only the titles were split into fields; a second title record replaces them whole.
    EXPECT_EQ(Columns(r.model.ColumnWidths, 4), "1|1|1|0|");
    EXPECT_EQ(Columns(r.model.ColumnTitles, 3), "X|||");
}

TEST(LoadReport, LineEndsAndHeaderCount) {
    // CR alone ends a line; LF alone stays inside it; CR LF counts once. The
    // line after "three" starts with its LF, so it is not a header record.
    std::string text = "1one\r1two\n\r\n1three\r\n\n1four";
    for (int i = 4; i <= 12; ++i) text += "\r1H" + std::to_string(i);
    Loaded r(text);
    EXPECT_EQ(r.model.HeaderCount, 12);  // all counted, ten kept
    EXPECT_EQ(Columns(r.model.HeaderLines, 10), "one|two\n|three|H4|H5|H6|H7|H8|H9|H10|");
}

TEST(LoadReport, FinalWidths) {
    // measured width -> final width, for amount and number columns
    const struct {
        int measured;
        const char* letter;
        int width;
    } cases[] = {{5, "C", 7},   {10, "C", 14}, {36, "C", 50}, {37, "C", 50},
                 {60, "N", 50}, {3, "T", 3},   {1, "C", 1}};
    for (const auto& c : cases) {
        Loaded r(ReportText(
            {"5" + std::string(c.letter) + "\t", "9" + std::string(c.measured, 'x') + "\t"}));
        EXPECT_EQ(r.model.ColumnWidths[1], c.width) << c.measured << c.letter;
    }
}

TEST(LoadReport, FormatLettersAndTotalMarkers) {
    Loaded r(ReportText({"5Z\tN\tF\t1\t2\t3\tC\tT\tc\tt\t\tX\t", "36\t", "5Z\t",
                         "4++\t  ++ \t+\t+-\t++x\t\t", "4\t\t\t\t\t++\t"}));
    EXPECT_EQ(Columns(r.model.ColumnFormats, 12),
              "000000|#,##0|#,##0|#,##0.0|#,##0.00|#,##0.000|#,##0.00;(#,##0.00)|@|||||");
    EXPECT_EQ(Columns(r.model.ColumnKinds, 12), "7|7|7|7|7|7|5|10|0|0|0|0|");
    EXPECT_EQ(Columns(r.model.ColumnTotalFlags, 6), "1|1|0|0|1|1|");
}

TEST(LoadReport, ZeroPatternTakesTheWidthInForce) {
    const struct {
        const char* widthLine;
        const char* pattern;
    } cases[] = {{"", ""}, {"36\t", "000000"}, {"3-4\t", ""}, {"3 2.5 \t", "00"}, {"3x\t", ""}};
    for (const auto& c : cases) {
        Loaded r(std::string(c.widthLine) + (*c.widthLine ? "\r\n" : "") + "5Z\t\r\n");
        EXPECT_EQ(r.model.ColumnFormats[1], c.pattern) << c.widthLine;
    }
}

TEST(LoadReport, DataRows) {
    // A line in Windows-1254 becomes UTF-8; widths count characters and only
    // ever grow, from the whole line; the record keeps 510 bytes.
    Loaded r(ReportText({"9a\tb\tlast", "9text only", "9" + std::string(600, 'y') + "\t",
                         "2\xDEirket\t\xDEirket\t", "9\xC7orum\t"}));
    EXPECT_EQ(r.model.RowCount, 4);
    const auto records = r.Records();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].substr(0, 9), "a\tb\tlast ");
    EXPECT_EQ(records[2], std::string(510, 'y'));
    EXPECT_EQ(records[3].substr(0, 8), "Çorum\t ");
    EXPECT_EQ(r.model.ColumnTitles[1], "Şirket");
    EXPECT_EQ(Columns(r.model.MeasuredWidths, 2), "600|6|");
    EXPECT_EQ(Columns(r.model.ColumnWidths, 2), "50|6|");
}

TEST(LoadReport, ResetsTheDescriptionButKeepsColumnKinds) {
    ReportModel start;
    start.ColumnKinds[4] = KindText;
    start.ColumnTitles[1] = start.HeaderLines[2] = "old";
    start.PageTotals.Add(1, 1, Currency{5});
    Loaded r("", start);
    EXPECT_TRUE(r.result.Ok());
    EXPECT_EQ(r.model.ColumnKinds[4], KindText);
    EXPECT_EQ(r.model.ColumnTitles[1], "");
    EXPECT_EQ(r.model.HeaderLines[2], "");
    EXPECT_EQ(r.model.PageTotals.Get(1, 1).scaled, 0);
    EXPECT_EQ(r.model.RowCount, 0);
    EXPECT_TRUE(r.Records().empty());
}

TEST(LoadReport, FilesThatCannotBeOpenedAreReported) {
    TempDir dir;
    ReportModel model;
    const std::string store = dir.File("BUFFILE.DAT");
    for (const std::string& path : {dir.File("missing.txt"), std::string(), dir.Path().string()}) {
        EXPECT_FALSE(std::filesystem::exists(store)) << "left by the case before " << path;
        const LoadResult result = LoadReport(model, path, store);
        EXPECT_EQ(result.failure, LoadResult::Failure::ReportUnreadable) << path;
        EXPECT_EQ(result.path, path);
        EXPECT_FALSE(result.reason.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(store)) << "left by the folder";
    WriteBytes(dir.File("r.txt"), "9a\t\r\n");
    EXPECT_EQ(LoadReport(model, dir.File("r.txt"), dir.File("no/such/BUFFILE.DAT")).failure,
              LoadResult::Failure::RowStoreUnwritable);
}

TEST(LoadReport, TellsTheBytesReadAndStopsWhenTold) {
    // About 300 KB, so the file is read in several blocks.
    std::string text = ReportText({"1Rapor", "2Kod\tAd\t"});
    for (int i = 1; i <= 10000; ++i) text += "9" + std::to_string(i) + "\tMüşteri adı\t\r\n";
    std::vector<int64_t> done;
    Loaded all(text, {}, [&](int64_t bytes, int64_t total) {
        EXPECT_EQ(total, static_cast<int64_t>(text.size()));
        EXPECT_TRUE(done.empty() || bytes > done.back());
        done.push_back(bytes);
        return true;
    });
    ASSERT_TRUE(all.result.Ok());
    EXPECT_GE(done.size(), 3u);
    EXPECT_EQ(done.back(), static_cast<int64_t>(text.size()));
    EXPECT_EQ(all.Records().size(), 10000u);

    int asks = 0;
    Loaded stopped(text, {}, [&](int64_t, int64_t) { return ++asks < 2; });
    EXPECT_EQ(stopped.result.failure, LoadResult::Failure::Cancelled);
    EXPECT_EQ(asks, 2);
    EXPECT_GT(stopped.Records().size(), 0u);  // the rows so far
    EXPECT_LT(stopped.Records().size(), 10000u);
}

}  // namespace
