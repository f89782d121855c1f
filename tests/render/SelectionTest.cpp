#include <gtest/gtest.h>

#include <tuple>

#include "PageFixture.h"
#include "render/CopySelection.h"
#include "render/DisplayPattern.h"
#include "render/SelectionSum.h"

using namespace Tabulon;

// The clipboard's HTML around the rows of its table.
static std::string Html(const std::string& rows) {
    return "<html><head><meta charset=\"utf-8\"></head><body><table>" + rows +
           "</table></body></html>";
}

// Numbers go into the table without a look at their bytes only while neither
// their pattern nor the locale can put a special character in them; the cells
// come from the text's own bytes, whichever column the selection starts at and
// whichever corner it was drawn from.
TEST(CopySelection, EscapesWhatANumberOrTextCanHoldAndFillsShortRows) {
    PageFixture f;
    f.Columns({{"Kod", 6, "000000"},
               {"Ad", 12, "@"},
               {"Tutar", 12, "#,##0.00;(#,##0.00)"},
               {"K\u00e2r & Zarar", 10, "#,##0 <TL>"}});
    f.Layout().ColumnKinds = {KindNone, KindNumber, KindText, KindAmount, KindNumber};
    f.Rows({{"7", "Ali & Veli", "-1234,5", "1500"},
            {"", "\"x\" < y > z", "", "yok<"},
            {"12"},
            {"0,004", "Ay\u015fe", "-0,001", "-2"}});
    const std::string r = "<td align=\"right\">";
    const std::vector<std::tuple<CellSelection, std::string, std::string>> cases = {
        {{{1, 1}, {4, 4}, true},
         "Kod\tAd\tTutar\tK\u00e2r & Zarar\n"
         "000007\tAli & Veli\t(1.234,50)\t1.500 <TL>\n"
         "\t\"x\" < y > z\t\tyok<\n"
         "000012\t\t\t\n"
         "000000\tAy\u015fe\t0,00\t-2 <TL>",
         "<tr><th>Kod</th><th>Ad</th><th>Tutar</th><th>K\u00e2r &amp; Zarar</th></tr>"
         "<tr>" +
             r + "000007</td><td>Ali &amp; Veli</td>" + r + "(1.234,50)</td>" + r +
             "1.500 &lt;TL&gt;</td></tr>"
             "<tr>" +
             r + "</td><td>&quot;x&quot; &lt; y &gt; z</td>" + r + "</td>" + r +
             "yok&lt;</td></tr>"
             "<tr>" +
             r + "000012</td><td></td>" + r + "</td>" + r +
             "</td></tr>"
             "<tr>" +
             r + "000000</td><td>Ay\u015fe</td>" + r + "0,00</td>" + r + "-2 &lt;TL&gt;</td></tr>"},
        {{{3, 3}, {2, 2}},
         "\"x\" < y > z\t\n\t",
         "<tr><td>&quot;x&quot; &lt; y &gt; z</td>" + r + "</td></tr><tr><td></td>" + r +
             "</td></tr>"},
        {{{1, 3}, {4, 4}},
         "(1.234,50)\t1.500 <TL>\n\tyok<\n\t\n0,00\t-2 <TL>",
         "<tr>" + r + "(1.234,50)</td>" + r + "1.500 &lt;TL&gt;</td></tr><tr>" + r + "</td>" + r +
             "yok&lt;</td></tr><tr>" + r + "</td>" + r + "</td></tr><tr>" + r + "0,00</td>" + r +
             "-2 &lt;TL&gt;</td></tr>"},
        {{}, "", ""},
    };
    for (const auto& [selection, text, table] : cases) {
        const CopiedFields copied =
            CopySelection(f.pages.rows, f.Layout(), f.locale, selection).Value();
        EXPECT_EQ(copied.text, text);
        EXPECT_EQ(copied.html, Html(table));
    }
}

// A long text field is looked at eight bytes at a time: the special byte past
// the first eight, in the last bytes, or none.
TEST(CopySelection, EscapesASpecialByteAnywhereInALongTextField) {
    PageFixture f;
    f.Columns({{"Ad", 30, "@"}});
    f.Rows({{"Mehmet Kaya & O\u011fullar\u0131"},
            {"Y\u0131lmaz Ticaret <A.\u015e.>"},
            {"Kaya Yap\u0131 Malzemeleri Ltd"}});
    EXPECT_EQ(CopySelection(f.pages.rows, f.Layout(), f.locale, {{1, 1}, {3, 1}})->html,
              Html("<tr><td>Mehmet Kaya &amp; O\u011fullar\u0131</td></tr>"
                   "<tr><td>Y\u0131lmaz Ticaret &lt;A.\u015e.&gt;</td></tr>"
                   "<tr><td>Kaya Yap\u0131 Malzemeleri Ltd</td></tr>"));
}

// Numbers of number and amount columns are counted and added exactly; text,
// empty fields and what is no number are not; the mean rounds halves to even.
// An amount beyond what the totals hold makes the sum unshowable, never wrong.
TEST(SumSelection, CountsAndAddsTheNumbersExactly) {
    PageFixture f;  // Kod zero-padded, Ad text, Tutar and Fazla amounts, Adet a whole number
    f.Columns({{"Kod", 6, "000000"},
               {"Ad", 12, "@"},
               {"Tutar", 12, "#,##0.00;(#,##0.00)"},
               {"Adet", 6, "#,##0"},
               {"Fazla", 12, "#,##0.00"}});
    f.Layout().ColumnKinds = {KindNone, KindNumber, KindText, KindAmount, KindNumber, KindAmount};
    f.Rows({{"42", "Ali", "1234,5", "3", "1"},
            {"7", "\"Veli\" <&>", "-12", "yok", "999999999999999999999"},
            {"3", "Ayşe", "(0,25)", "1000", "2"},
            {"1", "", "", "2"},
            {"5", "Can", "2,5", "1"},
            {"6", "Efe", "1", "1"}});
    // The selection, the numbers in it, their sum and mean and the pattern they share.
    for (const auto& [selection, count, sum, mean, pattern] :
         std::vector<std::tuple<CellSelection, int64_t, std::string, std::string, std::string>>{
             {{{1, 3}, {6, 3}}, 5, "1.225,75", "245,15", "#,##0.00;(#,##0.00)"},
             {{{1, 4}, {6, 4}, true}, 5, "1.007", "201", "#,##0"},
             {{{2, 2}, {3, 3}}, 2, "(12,25)", "(6,13)", "#,##0.00;(#,##0.00)"},
             {{{1, 2}, {6, 2}}, 0, "0", "0", ""},
             {{{1, 5}, {3, 5}}, 3, "########", "########", "#,##0.00"}}) {
        const SelectionSum s = SumSelection(f.pages.rows, f.Layout(), f.locale, selection).Value();
        EXPECT_EQ(s.count, count);
        EXPECT_EQ(s.pattern, pattern);
        EXPECT_EQ(s.overflow, sum == "########");
        EXPECT_EQ(FormatCurrency(s.sum, s.pattern, f.locale), sum);
        EXPECT_EQ(FormatCurrency(s.Mean(), s.pattern, f.locale), mean);
    }
    for (const auto& [sum, count, mean] : std::vector<std::tuple<int64_t, int64_t, int64_t>>{
             {5, 2, 2}, {7, 2, 4}, {-5, 2, -2}, {-7, 2, -4}, {10, 3, 3}, {-11, 3, -4}}) {
        SelectionSum s;
        s.count = count;
        s.sum = Currency{sum};
        EXPECT_EQ(s.Mean().scaled, mean) << sum << "/" << count;
    }
}
