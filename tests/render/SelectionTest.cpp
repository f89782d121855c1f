#include <gtest/gtest.h>

#include <tuple>

#include "PageFixture.h"
#include "render/CopySelection.h"
#include "render/DisplayPattern.h"
#include "render/SelectionSum.h"

using namespace Tabulon;

// Kod zero-padded, Ad text, Tutar an amount, Adet a whole number; five rows
// a page, so rows 5 and 6 lie on two pages.
struct SelectionFixture : PageFixture {
    SelectionFixture() {
        Columns({{"Kod", 6, "000000"},
                 {"Ad", 12, "@"},
                 {"Tutar", 12, "#,##0.00;(#,##0.00)"},
                 {"Adet", 6, "#,##0"}});
        Layout().ColumnKinds = {KindNone, KindNumber, KindText, KindAmount, KindNumber};
        Rows({{"42", "Ali", "1234,5", "3"},
              {"7", "\"Veli\" <&>", "-12", "yok"},
              {"3", "Ayşe", "(0,25)", "1000"},
              {"1", "", "", "2"},
              {"5", "Can", "2,5", "1"},
              {"6", "Efe", "1", "1"}});
    }
};

TEST(CopySelection, GivesTheFieldsAsThePageShowsThemAsTextAndAsATable) {
    // The selection, its text and the rows of its HTML table.
    const std::string right = "<td align=\"right\">";
    const std::tuple<CellSelection, std::string, std::string> cases[] = {
        // from the focus back to the anchor, across the page break after row 5
        {{{6, 2}, {5, 1}},
         "000005\tCan\n000006\tEfe",
         "<tr>" + right + "000005</td><td>Can</td></tr><tr>" + right +
             "000006</td><td>Efe</td></tr>"},
        {{{2, 2}, {3, 3}},
         "\"Veli\" <&>\t(12,00)\nAyşe\t(0,25)",
         "<tr><td>&quot;Veli&quot; &lt;&amp;&gt;</td>" + right +
             "(12,00)</td></tr><tr><td>Ayşe</td>" + right + "(0,25)</td></tr>"},
        {{}, "", ""}};
    SelectionFixture f;
    for (const auto& [selection, text, table] : cases) {
        const auto copied = CopySelection(f.pages.rows, f.Layout(), f.locale, selection);
        EXPECT_TRUE(copied.Ok());
        EXPECT_EQ(copied->text, text);
        EXPECT_EQ(copied->html, "<html><head><meta charset=\"utf-8\"></head><body><table>" + table +
                                    "</table></body></html>");
    }
    const CopiedFields all =
        CopySelection(f.pages.rows, f.Layout(), f.locale, {{1, 1}, {6, 4}, true}).Value();
    EXPECT_TRUE(all.text.starts_with("Kod\tAd\tTutar\tAdet\n000042\tAli\t1.234,50\t3\n"));
    EXPECT_TRUE(all.text.ends_with("\n000006\tEfe\t1,00\t1"));
    EXPECT_NE(all.html.find("<tr><th>Kod</th><th>Ad</th><th>Tutar</th><th>Adet</th></tr>"),
              std::string::npos);
}

// Numbers of number and amount columns are counted and added exactly; text,
// empty fields and what is no number are not; the mean rounds halves to even.
TEST(SumSelection, CountsAndAddsTheNumbersExactly) {
    // The selection, the numbers in it, their sum and mean and the pattern they share.
    for (const auto& [selection, count, sum, mean, pattern] :
         std::vector<std::tuple<CellSelection, int64_t, std::string, std::string, std::string>>{
             {{{1, 3}, {6, 3}}, 5, "1.225,75", "245,15", "#,##0.00;(#,##0.00)"},
             {{{1, 4}, {6, 4}, true}, 5, "1.007", "201", "#,##0"},
             {{{2, 2}, {3, 3}}, 2, "(12,25)", "(6,13)", "#,##0.00;(#,##0.00)"},
             {{{1, 3}, {2, 4}}, 3, "1.225,50", "408,50", "#,##0.00"},
             {{{1, 2}, {6, 2}}, 0, "0", "0", ""}}) {
        SelectionFixture f;
        const SelectionSum s = SumSelection(f.pages.rows, f.Layout(), f.locale, selection).Value();
        EXPECT_EQ(s.count, count);
        EXPECT_EQ(s.pattern, pattern);
        EXPECT_FALSE(s.overflow);
        EXPECT_EQ(FormatCurrency(s.sum, s.pattern.empty() ? "#,##0" : s.pattern, f.locale), sum);
        EXPECT_EQ(FormatCurrency(s.Mean(), s.pattern.empty() ? "#,##0" : s.pattern, f.locale),
                  mean);
    }
    for (const auto& [sum, count, mean] : std::vector<std::tuple<int64_t, int64_t, int64_t>>{
             {5, 2, 2}, {7, 2, 4}, {-5, 2, -2}, {-7, 2, -4}, {10, 3, 3}, {-11, 3, -4}}) {
        SelectionSum s;
        s.count = count;
        s.sum = Currency{sum};
        EXPECT_EQ(s.Mean().scaled, mean) << sum << "/" << count;
    }
}

// An amount beyond what the totals hold makes the sum unshowable, never wrong.
TEST(SumSelection, AnAmountBeyondTheTotalsRangeMarksTheSum) {
    PageFixture f;
    f.Columns({{"Tutar", 12, "#,##0.00"}});
    f.Layout().ColumnKinds[1] = KindAmount;
    f.Rows({{"1"}, {"999999999999999999999"}, {"2"}});
    const auto s = SumSelection(f.pages.rows, f.Layout(), f.locale, {{1, 1}, {3, 1}});
    EXPECT_TRUE(s->count == 3 && s->overflow);
}
