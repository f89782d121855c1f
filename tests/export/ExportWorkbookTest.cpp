#include <gtest/gtest.h>

#include "ExportFixture.h"
#include "SheetReader.h"
#include "export/ExportWorkbook.h"
#include "input/RowStore.h"

namespace {

// Kod: number, Boş: no format letter, Tutar: amount, Ad: text.
const std::initializer_list<std::string> Sample = {
    "1Rapor",
    "2Kod\tBoş\tTutar\tAd\t",
    "5N\tZ\tC\tT\t",
    "97\tgizli\t1.234,56\t  Ayşe & <Ali>\t",
    "9abc\tgizli\t(12,50)\tx\t",
    "9 42 \t\t1e999\t\t",
};

TEST(ExportWorkbook, LaysOutTitlesAndRowsByColumnKind) {
    LoadedReport report(Sample);
    const std::string out = report.Out("rapor.xlsx");
    const ExportResult result =
        ExportWorkbook(report.model, report.rowStore, NumberLocale::Turkish(), out);
    ASSERT_TRUE(result.ok) << result.Message();
    const auto cells = SheetCells(out);

    // Titles in bold, in row 1, including the column without a kind.
    for (const auto& [ref, title] : std::map<std::string, std::string>{
             {"A1", "Kod"}, {"B1", "Boş"}, {"C1", "Tutar"}, {"D1", "Ad"}}) {
        ASSERT_TRUE(cells.count(ref)) << ref;
        EXPECT_EQ(cells.at(ref).value, title);
        EXPECT_EQ(cells.at(ref).type, "inlineStr");
        EXPECT_EQ(cells.at(ref).style, "1");
    }
    const std::string styles = WorkbookPart(out, "xl/styles.xml");
    EXPECT_NE(styles.find("<font><b/>"), std::string::npos) << styles;

    struct Expected {
        const char* ref;
        const char* type;
        const char* value;  // nullptr: empty cell
    };
    const Expected expected[] = {
        {"A2", "", "7"},       {"B2", "", nullptr},  // kind 0 stays empty under its title
        {"C2", "", "1234.56"}, {"D2", "inlineStr", "  Ayşe &amp; &lt;Ali&gt;"},
        {"A3", "", nullptr},  // not a number in a number column
        {"C3", "", "-12.5"},   {"D3", "inlineStr", "x"},
        {"A4", "", "42"},     // spaces around a number do not matter
        {"C4", "", nullptr},  // beyond the double range
        {"D4", "", nullptr},
    };
    for (const auto& e : expected) {
        if (!e.value) {
            EXPECT_FALSE(cells.count(e.ref)) << e.ref << " holds " << cells.at(e.ref).value;
            continue;
        }
        ASSERT_TRUE(cells.count(e.ref)) << e.ref;
        EXPECT_EQ(cells.at(e.ref).type, e.type) << e.ref;
        EXPECT_EQ(cells.at(e.ref).value, e.value) << e.ref;
        EXPECT_EQ(cells.at(e.ref).style, "") << e.ref;
    }
    EXPECT_EQ(cells.size(), 4u + 6u);
    EXPECT_EQ(report.OutFiles(), std::set<std::string>{"rapor.xlsx"});
}

TEST(ExportWorkbook, NumbersFollowTheLocale) {
    // In an English locale "1.234,56" is not a number and "(12,50)" has a
    // group separator.
    LoadedReport report(Sample);
    const std::string out = report.Out("en.xlsx");
    ASSERT_TRUE(ExportWorkbook(report.model, report.rowStore, NumberLocale::English(), out).ok);
    const auto cells = SheetCells(out);
    EXPECT_FALSE(cells.count("C2"));
    EXPECT_EQ(cells.at("C3").value, "-1250");
    EXPECT_EQ(cells.at("A2").value, "7");
}

TEST(ExportWorkbook, RecordRGoesToRowRPlusOne) {
    LoadedReport report({"2Sıra\tAd\t", "5N\tT\t"});
    {
        RowStore store;
        ASSERT_TRUE(store.Create(report.rowStore));
        for (int r = 1; r <= 40; ++r)
            store.Append(std::to_string(r) + "\tad " + std::to_string(r) + "\t");
    }
    const std::string out = report.Out("kırk.xlsx");
    ASSERT_TRUE(ExportWorkbook(report.model, report.rowStore, NumberLocale::Turkish(), out).ok);
    const auto cells = SheetCells(out);
    EXPECT_EQ(cells.at("A2").value, "1");
    EXPECT_EQ(cells.at("A41").value, "40");
    EXPECT_EQ(cells.at("B41").value, "ad 40");
    EXPECT_FALSE(cells.count("A42"));
}

TEST(ExportWorkbook, EmptyReportHasTheTitleRowOnly) {
    LoadedReport report({"2Kod\tAd\t", "5N\tT\t"});
    const std::string out = report.Out("boş.xlsx");
    ASSERT_TRUE(ExportWorkbook(report.model, report.rowStore, NumberLocale::Turkish(), out).ok);
    const auto cells = SheetCells(out);
    EXPECT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells.at("B1").value, "Ad");
}

TEST(ExportWorkbook, TitlesFollowTheFieldCountOfTheLastSplitLine) {
    LoadedReport report({"2Kod\tAd\tŞehir\t", "5N\tT\tT\t", "91\tx\tİzmir\t"});
    report.model.FieldCount = 1;
    const std::string out = report.Out("bir.xlsx");
    ASSERT_TRUE(ExportWorkbook(report.model, report.rowStore, NumberLocale::Turkish(), out).ok);
    const auto cells = SheetCells(out);
    EXPECT_TRUE(cells.count("A1"));
    EXPECT_FALSE(cells.count("B1"));
    EXPECT_EQ(cells.at("C2").value, "İzmir");
}

}  // namespace
