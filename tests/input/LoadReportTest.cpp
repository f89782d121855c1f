#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "TestSupport.h"
#include "input/LoadReport.h"
#include "input/RowStore.h"
#include "input/SplitFields.h"

using namespace Tabulon;

struct Loaded {
    TempDir dir;
    LoadResult result;
    const ReportLayout& model = result.layout;

    explicit Loaded(const std::string& bytes, const LoadOptions& options = {}) {
        WriteBytes(dir.File("report.txt"), bytes);
        result = LoadReport(dir.File("report.txt"), dir.File("BUFFILE.DAT"), options);
    }
};

// Entries 1..n of a model table as "a|b|c|", numbers and flags as digits.
template <typename T, size_t N>
static std::string Columns(const std::array<T, N>& table, int n) {
    std::ostringstream out;
    for (int c = 1; c <= n; ++c) {
        if constexpr (std::is_arithmetic_v<T>)
            out << +table[c] << '|';
        else
            out << table[c] << '|';
    }
    return out.str();
}

TEST(LoadReport, RecordTypeIsTheFirstCharacterOnly) {
    Loaded r(ReportText({"12nd header", "1", "0zero\t", "6six\t", "7seven\t", "8eight\t", "Aabc\t",
                         " 9nine\t", "", "1third", "2A\tB\tC\t", "2X\t"}));
    EXPECT_EQ(r.model.HeaderCount, 3);
    EXPECT_EQ(Columns(r.model.HeaderLines, 4), "2nd header||third||");
    EXPECT_EQ(r.result.rows.RecordCount(), 0);
    // Only the titles were split into fields; a second title record replaces them whole.
    EXPECT_EQ(Columns(r.model.ColumnWidths, 4), "1|1|1|0|");
    EXPECT_EQ(Columns(r.model.ColumnTitles, 3), "X|||");
}

TEST(LoadReport, LineEndsAndHeaderCount) {
    // CR ends a line, LF alone stays inside it: the line after "three" is no header.
    std::string text = "1one\r1two\n\r\n1three\r\n\n1four";
    for (int i = 4; i <= 12; ++i) text += "\r1H" + std::to_string(i);
    Loaded r(text);
    EXPECT_EQ(r.model.HeaderCount, 12);  // all counted, ten kept
    EXPECT_EQ(Columns(r.model.HeaderLines, 10), "one|two\n|three|H4|H5|H6|H7|H8|H9|H10|");
}

TEST(LoadReport, FormatLettersAndTotalMarkers) {
    Loaded r(ReportText({"5Z\tN\tF\t1\t2\t3\tC\tT\tc\tt\t\tX\t", "36\t", "5Z\t",
                         "4++\t  ++ \t+\t+-\t++x\t\t", "4\t\t\t\t\t++\t"}));
    EXPECT_EQ(Columns(r.model.ColumnFormats, 12),
              "000000|#,##0|#,##0|#,##0.0|#,##0.00|#,##0.000|#,##0.00;(#,##0.00)|@|||||");
    EXPECT_EQ(Columns(r.model.ColumnKinds, 12), "7|7|7|7|7|7|5|10|0|0|0|0|");
    EXPECT_EQ(Columns(r.model.ColumnTotalFlags, 6), "1|1|0|0|1|1|");
}

// The zero pattern takes the whole positive width in force when its letter comes.
TEST(LoadReport, FinalWidthsAndZeroPatterns) {
    const char* const Amount = "#,##0.00;(#,##0.00)";
    const std::string Zeros50(50, '0');
    const struct {
        const char* widthLine;  // before the format line
        const char* letter;
        int measured;  // the data row's field length, 0 for no row
        int width;     // -1: not looked at
        const char* pattern;
    } cases[] = {{"", "C", 5, 7, Amount},
                 {"", "C", 36, 50, Amount},
                 {"", "C", 1, 1, Amount},
                 {"", "N", 60, 50, "#,##0"},
                 {"", "T", 3, 3, "@"},
                 {"", "Z", 0, -1, ""},
                 {"36\t", "Z", 0, -1, "000000"},
                 {"3-4\t", "Z", 0, -1, ""},
                 {"3 2.5 \t", "Z", 0, -1, "00"},
                 // never more zeros than the widest column shows
                 {"332767\t", "Z", 0, -1, Zeros50.c_str()},
                 {"351\t", "Z", 0, -1, Zeros50.c_str()}};
    for (const auto& c : cases) {
        Loaded r(std::string(c.widthLine) + "\r\n5" + c.letter + "\t\r\n" +
                 (c.measured ? "9" + std::string(c.measured, 'x') + "\t\r\n" : ""));
        EXPECT_EQ(r.model.ColumnFormats[1], c.pattern) << c.widthLine << c.letter << c.measured;
        EXPECT_TRUE(c.width < 0 || r.model.ColumnWidths[1] == c.width) << c.letter << c.measured;
    }
}

// Pages are measured with the header count met before the first row; an amount
// past the record's 510 bytes is not totalled, as a later pass over the store would not.
TEST(LoadReport, CountsPageTotalsOfWhatTheRecordKeepsWhileReading) {
    std::vector<int16_t> asked;
    LoadOptions options;
    options.locale = NumberLocale::Turkish();
    options.rowsPerPage = [&](int16_t headers) {
        asked.push_back(headers);
        return 2;
    };
    Loaded r(ReportText({"1Başlık", "4\t++\t", "9a\t1,5\t", "9b\t2\t", "9c\t3\t", "1Sonra"}),
             options);
    ASSERT_TRUE(r.result.totals);
    EXPECT_EQ(asked, std::vector<int16_t>{1});
    EXPECT_EQ(r.result.totals->rowsPerPage, 2);
    EXPECT_EQ(r.result.totals->pageCount, 2);
    EXPECT_EQ(r.result.totals->table.Get(1, 2).scaled, 35000);
    EXPECT_EQ(r.result.totals->table.Get(2, 2).scaled, 30000);
    EXPECT_EQ(r.model.HeaderCount, 2);  // the caller sees the count changed and counts again
    const std::string cut = "9" + std::string(600, 'x') + "\t5\t";
    Loaded alone(ReportText({"4\t++\t", cut}), options);
    EXPECT_EQ(alone.result.totals->table.Get(1, 2).scaled, 0);
    EXPECT_EQ(alone.result.lastRowFieldCount, 0);
    EXPECT_EQ(alone.result.fieldCount, 2);  // the whole line, as the loader split it
    Loaded after(ReportText({"4\t++\t", cut, "9a\t7\t"}), options);
    EXPECT_EQ(after.result.totals->table.Get(1, 2).scaled, 70000);
    EXPECT_EQ(after.result.lastRowFieldCount, 2);
}

// While it reads, the loader hands out the first page as soon as it is whole,
// then more: the rows of the pages handed out can be read back from the store
// given, and each page's totals are those the whole load ends with. About
// 3 MB, so the file is read in several blocks, each told as it ends; a load
// told to stop stops.
TEST(LoadReport, HandsOutThePagesReadWhileReading) {
    std::string text = ReportText({"1Rapor", "4\t++\t"});
    for (int i = 1; i <= 200000; ++i)
        text += "9" + std::to_string(i) + "\t" + std::to_string(i % 100) + ",25\t\r\n";
    RowStore store;
    std::vector<LoadedSoFar> handed;
    std::vector<int64_t> done;
    LoadOptions options;
    options.progress = [&](int64_t bytes, int64_t total) {
        EXPECT_TRUE(total == int64_t(text.size()) && (done.empty() || bytes > done.back()));
        done.push_back(bytes);
        return true;
    };
    options.locale = NumberLocale::Turkish();
    options.rowsPerPage = [](int16_t) { return 40; };
    options.store = &store;
    options.readSoFar = [&](const LoadedSoFar& soFar) {
        const int64_t lastRow = int64_t{soFar.pages.pageCount} * 40;
        RecordBlock block;
        EXPECT_TRUE(store.Read(lastRow, 1, block).Ok() && block.texts.size() == 1);
        const std::string start = std::to_string(lastRow) + "\t";
        EXPECT_EQ(block.texts.at(0).substr(0, start.size()), start);
        handed.push_back(soFar);
    };
    Loaded r(text, options);
    ASSERT_TRUE(r.result.Ok() && r.result.totals);
    EXPECT_EQ(store.RecordCount(), 200000);
    EXPECT_TRUE(done.size() >= 3 && done.back() == int64_t(text.size())) << done.size();
    ASSERT_FALSE(handed.empty());
    EXPECT_EQ(handed.front().pages.pageCount, 1);
    int32_t before = 0;
    for (const LoadedSoFar& soFar : handed) {
        EXPECT_FALSE(soFar.pages.complete);
        EXPECT_GE(soFar.pages.pageCount, before);
        before = soFar.pages.pageCount;
        for (int32_t page = 1; page <= soFar.pages.pageCount; ++page)
            ASSERT_EQ(soFar.pages.table.Get(page, 2).scaled,
                      r.result.totals->table.Get(page, 2).scaled)
                << page;
    }
    EXPECT_TRUE(r.result.totals->complete);
    EXPECT_EQ(r.result.totals->pageCount, 5000);
    options.progress = [&](int64_t, int64_t) { return false; };
    EXPECT_TRUE(Loaded(text, options).result.outcome.Stopped());
}

// The rest of the line's fields are ignored; a field past the count reads as empty.
TEST(SplitFields, AtMost150FieldsAreKept) {
    std::string many;
    for (int i = 1; i <= 200; ++i) many += std::to_string(i) + "\t";
    const RowFields row = SplitFields(many);
    EXPECT_EQ(row.count, 150);
    EXPECT_EQ(row[150], "150");
    EXPECT_EQ(row[row.count + 1], "");
}

// Bytes eight at a time: fillers differ from a TAB in one bit or are UTF-8 high bytes.
TEST(SplitFields, FindsTheTabAtEveryOffset) {
    for (const char filler : {'x', '\x08', '\x0A', '\x89', '\xC5'}) {
        for (size_t at = 0; at < 40; ++at) {
            std::string line(48, filler);
            line[at] = '\t';
            line[at + 3] = '\t';
            EXPECT_EQ(FindTab(line, 0), at) << int(filler) << " " << at;
            EXPECT_EQ(FindTab(line, at + 1), at + 3) << int(filler) << " " << at;
            EXPECT_EQ(FindTab(line.substr(0, at), 0), std::string_view::npos);
        }
    }
}
