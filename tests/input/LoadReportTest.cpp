#include <gtest/gtest.h>

#include "TestSupport.h"
#include "input/LoadReport.h"
#include "input/RowStore.h"

namespace {

// Loads report text from a temporary file into a fresh model.
struct Loaded {
    TempDir dir;
    ReportModel model;
    LoadResult result;
    std::string storePath;

    explicit Loaded(const std::string& bytes, ReportModel start = {}) : model(std::move(start)) {
        WriteBytes(dir.File("report.txt"), bytes);
        storePath = dir.File("BUFFILE.DAT");
        result = LoadReport(model, dir.File("report.txt"), storePath);
    }
    std::vector<std::string> Records() {
        RowStore store;
        store.Open(storePath);
        std::vector<std::string> records;
        std::string text;
        while (store.ReadNext(text)) records.push_back(text);
        return records;
    }
};

TEST(LoadReport, WorkedExample) {
    Loaded r(ReportText({"1MONTHLY SALES", "2Code\tName\tAmount\t", "36\t20\t12\t", "4\t\t++\t",
                         "5Z\tT\tC\t", "942\tAli\t1.234,50\t"}));
    ASSERT_TRUE(r.result.Ok());
    const ReportModel& m = r.model;
    EXPECT_EQ(m.HeaderLines[1], "MONTHLY SALES");
    EXPECT_EQ(m.HeaderCount, 1);
    EXPECT_EQ(m.ColumnTitles[1], "Code");
    EXPECT_EQ(m.ColumnTitles[3], "Amount");
    EXPECT_FALSE(m.ColumnTotalFlags[1]);
    EXPECT_FALSE(m.ColumnTotalFlags[2]);
    EXPECT_TRUE(m.ColumnTotalFlags[3]);
    EXPECT_EQ(m.ColumnFormats[1], "000000");
    EXPECT_EQ(m.ColumnKinds[1], KindNumber);
    EXPECT_EQ(m.ColumnFormats[2], "@");
    EXPECT_EQ(m.ColumnKinds[2], KindText);
    EXPECT_EQ(m.ColumnFormats[3], "#,##0.00;(#,##0.00)");
    EXPECT_EQ(m.ColumnKinds[3], KindAmount);
    EXPECT_EQ(m.MeasuredWidths[1], 4);
    EXPECT_EQ(m.MeasuredWidths[3], 8);
    EXPECT_EQ(m.ColumnWidths[1], 4);
    EXPECT_EQ(m.ColumnWidths[2], 4);
    EXPECT_EQ(m.ColumnWidths[3], 11);
    EXPECT_EQ(m.RowCount, 1);
    const auto records = r.Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], "42\tAli\t1.234,50\t" + std::string(510 - 16, ' '));
}

TEST(LoadReport, RecordTypeIsTheFirstCharacterOnly) {
    Loaded r(ReportText(
        {"12nd header", "1", "0ignored\t", "6x\t", "7x\t", "8x\t", "Ax\t", " 9x\t", "", "1third"}));
    EXPECT_EQ(r.model.HeaderCount, 3);
    EXPECT_EQ(r.model.HeaderLines[1], "2nd header");
    EXPECT_EQ(r.model.HeaderLines[2], "");
    EXPECT_EQ(r.model.HeaderLines[3], "third");
    EXPECT_EQ(r.model.RowCount, 0);
    for (int c = 1; c <= 50; ++c) EXPECT_EQ(r.model.ColumnWidths[c], 0);
}

TEST(LoadReport, LineEnds) {
    // CR alone ends a line; LF alone stays inside it; CR LF counts once. The
    // last line starts with its LF, so it is not a header record.
    Loaded r("1one\r1two\n\r\n1three\r\n\n1four");
    EXPECT_EQ(r.model.HeaderCount, 3);
    EXPECT_EQ(r.model.HeaderLines[1], "one");
    EXPECT_EQ(r.model.HeaderLines[2], "two\n");
    EXPECT_EQ(r.model.HeaderLines[3], "three");
    EXPECT_EQ(r.model.HeaderLines[4], "");
}

TEST(LoadReport, TwelveHeadersKeepTenAndCountTwelve) {
    std::string text;
    for (int i = 1; i <= 12; ++i) text += "1H" + std::to_string(i) + "\r\n";
    Loaded r(text);
    EXPECT_EQ(r.model.HeaderCount, 12);
    EXPECT_EQ(r.model.HeaderLines[10], "H10");
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

TEST(LoadReport, FormatLetters) {
    Loaded r(ReportText({"5Z\tN\tF\t1\t2\t3\tC\tT\tc\tt\t\tX\t", "36\t", "5Z\t"}));
    const char* formats[] = {
        "",  "000000", "#,##0", "#,##0", "#,##0.0", "#,##0.00", "#,##0.000", "#,##0.00;(#,##0.00)",
        "@", "",       "",      "",      ""};
    const uint8_t kinds[] = {0, 7, 7, 7, 7, 7, 7, 5, 10, 0, 0, 0, 0};
    for (int c = 1; c <= 12; ++c) {
        EXPECT_EQ(r.model.ColumnFormats[c], formats[c]) << c;
        EXPECT_EQ(r.model.ColumnKinds[c], kinds[c]) << c;
    }
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

TEST(LoadReport, TotalMarkers) {
    Loaded r(ReportText({"4++\t  ++ \t+\t+-\t++x\t\t", "4\t\t\t\t\t++\t"}));
    const bool expected[] = {false, true, true, false, false, true, true};
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(r.model.ColumnTotalFlags[c], expected[c]) << c;
}

TEST(LoadReport, TitlesAreReplacedWholeByASecondTitleRecord) {
    Loaded r(ReportText({"2A\tB\tC\t", "2X\t"}));
    EXPECT_EQ(r.model.ColumnTitles[1], "X");
    EXPECT_EQ(r.model.ColumnTitles[2], "");
    EXPECT_EQ(r.model.ColumnTitles[3], "");
}

TEST(LoadReport, DataRows) {
    const std::string longRow = "9" + std::string(600, 'y') + "\t";
    Loaded r(ReportText({"9a\tb\tlast", "9text only", longRow}));
    EXPECT_EQ(r.model.RowCount, 3);
    const auto records = r.Records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].substr(0, 9), "a\tb\tlast ");
    EXPECT_EQ(records[2], std::string(510, 'y'));
    EXPECT_EQ(r.model.MeasuredWidths[1], 600);  // raised from the whole line
    EXPECT_EQ(r.model.ColumnWidths[1], 50);
}

TEST(LoadReport, Windows1254LinesBecomeUtf8AndWidthsCountCharacters) {
    Loaded r(
        "2\xDE"
        "ehir\t\r\n9\xC7"
        "orum\t\r\n");
    EXPECT_EQ(r.model.ColumnTitles[1],
              "\xC5\x9E"
              "ehir");
    EXPECT_EQ(r.model.ColumnWidths[1], 5);
    EXPECT_EQ(r.Records()[0].substr(0, 8),
              "\xC3\x87"
              "orum\t ");
}

TEST(LoadReport, ResetsTheDescriptionButKeepsColumnKinds) {
    ReportModel start;
    start.ColumnKinds[4] = KindText;
    start.ColumnTitles[1] = "old";
    start.HeaderLines[2] = "old";
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

TEST(LoadReport, UnreadableReportIsReportedAndCreatesNoRowStore) {
    TempDir dir;
    ReportModel model;
    const std::string store = dir.File("BUFFILE.DAT");
    for (const std::string& path : {dir.File("missing.txt"), std::string(), dir.Path().string()}) {
        const LoadResult result = LoadReport(model, path, store);
        EXPECT_EQ(result.failure, LoadResult::Failure::ReportUnreadable) << path;
        EXPECT_EQ(result.path, path);
        EXPECT_FALSE(result.reason.empty());
    }
}

TEST(LoadReport, RowStoreThatCannotBeCreatedIsReported) {
    TempDir dir;
    WriteBytes(dir.File("r.txt"), "9a\t\r\n");
    ReportModel model;
    const LoadResult result = LoadReport(model, dir.File("r.txt"), dir.File("no/such/BUFFILE.DAT"));
    EXPECT_EQ(result.failure, LoadResult::Failure::RowStoreUnwritable);
}

}  // namespace
