#include <gtest/gtest.h>

#include "ExportFixture.h"
#include "SheetReader.h"

static std::string Sheet(LoadedReport& report,
                         const NumberLocale& locale = NumberLocale::Turkish()) {
    const std::string out = report.Out("rapor.xlsx");
    const ExportResult result =
        ExportWorkbook(report.rows, report.layout, report.titleCount, locale, out);
    EXPECT_TRUE(result.ok()) << result.reason;
    EXPECT_EQ(report.OutFiles(), std::set<std::string>{"rapor.xlsx"});
    return SheetText(out);
}

// Kod: number, Boş: no format letter, Tutar: amount, Ad: text.
const std::vector<std::string> Sample = {
    "1Rapor",
    "2Kod\tBoş\tTutar\tAd\t",
    "5N\tZ\tC\tT\t",
    "97\tgizli\t1.234,56\t  Ayşe & <Ali>\t",
    "9abc\tgizli\t(12,50)\tx\t",
    "9 42 \t\t1e999\t\t",
};

// "abc" and 1e999 (past the double range) give empty cells. In English "1.234,56"
// is no number and "(12,50)" holds a group separator.
TEST(ExportWorkbook, LaysOutTitlesAndRowsByColumnKindInTheLocale) {
    LoadedReport report(Sample);
    EXPECT_EQ(Sheet(report),
              "A1='Kod' s1\nA2=7\nA4=42\n"
              "B1='Boş' s1\n"
              "C1='Tutar' s1\nC2=1234.56\nC3=-12.5\n"
              "D1='Ad' s1\nD2='  Ayşe &amp; &lt;Ali&gt;'\nD3='x'\n");
    const std::string styles = WorkbookPart(report.Out("rapor.xlsx"), "xl/styles.xml");
    EXPECT_NE(styles.find("<font><b/>"), std::string::npos) << styles;
    const std::string english = Sheet(report, NumberLocale::English());
    EXPECT_NE(english.find("A2=7\nA4=42\n"), std::string::npos) << english;
    EXPECT_NE(english.find("C1='Tutar' s1\nC3=-1250\nD1"), std::string::npos) << english;
    LoadedReport empty({"2Kod\tAd\t", "5N\tT\t"});
    EXPECT_EQ(Sheet(empty), "A1='Kod' s1\nB1='Ad' s1\n");
}
