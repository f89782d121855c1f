#include <gtest/gtest.h>

#include "ExportFixture.h"
#include "SheetReader.h"

using namespace Tabulon;

static std::string Sheet(LoadedReport& report,
                         const NumberLocale& locale = NumberLocale::Turkish()) {
    const std::string out = report.Out("rapor.xlsx");
    const auto result = ExportWorkbook(report.rows, report.layout, report.loaded.fieldCount,
                                       report.layout.ColumnWidths, locale, out);
    EXPECT_TRUE(result.Ok()) << result.Why().reason;
    return SheetText(out);
}

// The sheet looks like the page: named after header line 1, bold titles in
// a frozen row filtering the rows, cells by their column's kind (Kod: zeros,
// Boş: no format letter, Tutar: amount, Ad: text, Adet: one decimal) in the
// display pattern, each column as wide as the page draws it plus a character.
// "abc" and 1e999 (past the double range) give empty cells. In English
// "1.234,56" is no number and "(12,50)" holds a group separator.
TEST(ExportWorkbook, LooksLikeTheReport) {
    LoadedReport report({"1Kasım: Satış [Şube/Merkez]", "2Kod\tBoş\tTutar\tAd\tAdet\t", "36\t",
                         "5Z\t\tC\tT\t1\t", "97\tgizli\t1.234,56\t  Ayşe & <Ali>\t3\t",
                         "9abc\tgizli\t(12,50)\tx\t4,25\t", "9 42 \t\t1e999\t\t\t"});
    report.loaded.layout.ColumnWidths = {0, 6, 4, 9, 12, 4};  // as the page draws them
    EXPECT_EQ(
        Sheet(report),
        "A1='Kod' s1\nA2=7 s2\nA4=42 s2\nB1='Boş' s1\n"
        "C1='Tutar' s1\nC2=1234.56 s3\nC3=-12.5 s3\n"
        "D1='Ad' s1\nD2='  Ayşe &amp; &lt;Ali&gt;'\nD3='x'\nE1='Adet' s1\nE2=3 s4\nE3=4.25 s4\n");
    const std::string out = report.Out("rapor.xlsx");
    const std::string book = WorkbookPart(out, "xl/workbook.xml");
    EXPECT_NE(book.find("<sheet name=\"Kasım_ Satış _Şube_Merkez_\""), std::string::npos) << book;
    const std::string sheet = WorkbookPart(out, "xl/worksheets/sheet1.xml");
    for (const char* part :
         {R"(<pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/>)",
          R"(<autoFilter ref="A1:E4"/>)", R"(<col min="1" max="1" width="7.7109375")",
          R"(<col min="5" max="5" width="5.7109375")"})
        EXPECT_NE(sheet.find(part), std::string::npos) << part << "\n" << sheet;
    const std::string styles = WorkbookPart(out, "xl/styles.xml");
    for (const char* format : {"<font><b/>", R"(formatCode="000000")",
                               R"x(formatCode="#,##0.00;(#,##0.00)")x", R"(formatCode="#,##0.0")"})
        EXPECT_NE(styles.find(format), std::string::npos) << format << "\n" << styles;
    const std::string english = Sheet(report, NumberLocale::English());
    EXPECT_NE(english.find("C1='Tutar' s1\nC3=-1250 s4\nD1"), std::string::npos) << english;
    LoadedReport empty({"2Kod\tAd\t", "5N\tT\t"});
    EXPECT_EQ(Sheet(empty), "A1='Kod' s1\nB1='Ad' s1\n");
}

// A sheet name holds 31 characters and none of [ ] : * ? / \; apostrophes
// and blanks cannot stand at its ends, and "History" is Excel's own.
TEST(ExportWorkbook, NamesTheSheetAfterHeaderLineOne) {
    for (const auto& [header, name] : std::vector<std::pair<std::string, std::string>>{
             {"  'Aylık' ", "Aylık"},
             {"a/b\\c?d*e:f[g]h\ti", "a_b_c_d_e_f_g_h_i"},
             {std::string(40, 'x'), std::string(31, 'x')},
             {"ĞÜŞİÖÇğüşıöç ĞÜŞİÖÇğüşıöç ĞÜŞİÖÇ", "ĞÜŞİÖÇğüşıöç ĞÜŞİÖÇğüşıöç ĞÜŞİÖ"},
             {"'''", ""},
             {"HiStOrY", ""}})
        EXPECT_EQ(SheetName(header), name) << header;
}
