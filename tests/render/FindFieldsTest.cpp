#include <gtest/gtest.h>

#include <tuple>

#include "PageFixture.h"
#include "core/TurkishCase.h"
#include "render/FilterReport.h"
#include "render/FindFields.h"

using namespace Tabulon;

// A field matches as the page shows it or as the report writes it, by
// Turkish case rules; in one column or all, inside the field or whole.
TEST(FieldFinder, MatchesShownOrWrittenTextWithTurkishCaseRules) {
    PageFixture f;
    f.Columns({{"Ad", 10, "@"}, {"Tutar", 12, "#,##0.00;(#,##0.00)"}, {"Kod", 6, "000000"}});
    const struct {
        const char* typed;
        int column;
        const char* field;
        bool found;
        FindRules rules = {};
    } cases[] = {{"ismail", 1, "İsmail Irmak", true},
                 {"IRMAK", 1, "İsmail Irmak", true},
                 {"irmak", 1, "İsmail Irmak", false},
                 {"1.650.883,28", 2, "1650883,28", true},
                 {"1650883", 2, "1650883,28", true},
                 {"1234,50", 2, "-1234,5", false},
                 {"", 1, "anything", false},
                 {" İSMAİL IRMAK ", 1, "ismail ırmak ", true, {0, true}},
                 {"(1.234,50)", 2, "-1234,5", true, {0, true}},
                 {"-1234,5", 2, "-1234,5", true, {0, true}},
                 {"42", 3, "42", false, {1, false}}};
    for (const auto& c : cases) {
        const FieldFinder finder(f.Layout(), f.locale, c.typed, c.rules);
        EXPECT_EQ(finder.Matches(c.column, c.field), c.found)
            << c.typed << " in " << c.field << ", rules " << c.rules.column << c.rules.wholeField;
    }
    EXPECT_EQ(FoldTurkishCase("IİĞÜŞÖÇ Ÿ"), "ıiğüşöç ÿ");
}

TEST(FindField, GoesOnFromTheFieldShownAndWrapsAtTheEnds) {
    PageFixture f;
    f.Columns({{"A", 5, "@"}, {"B", 5, "@"}});
    f.Rows({{"a", "b"}, {"b", "a"}, {"c", "b"}});
    const auto place = [](const MarkedField& m) {
        return std::to_string(m.row) + "," + std::to_string(m.column);
    };
    const auto find = [&](const char* text, MarkedField from, bool forward) -> std::string {
        const auto found =
            FindField(f.pages.rows, FieldFinder(f.Layout(), f.locale, text), from, forward);
        return found->hit ? place(*found->hit) + (found->wrapped ? " wrapped" : "") : "none";
    };
    // What is looked for, from which field, which way, and the hit.
    const std::tuple<const char*, MarkedField, bool, const char*> cases[] = {
        {"b", {0, 0}, true, "1,2"},  {"b", {0, 0}, false, "3,2"},
        {"b", {3, 2}, false, "2,1"}, {"c", {3, 1}, true, "3,1 wrapped"},
        {"z", {1, 1}, true, "none"}, {"a", {1, 1}, true, "2,2"}};
    for (const auto& [text, from, forward, hit] : cases)
        EXPECT_EQ(find(text, from, forward), hit)
            << text << " from " << place(from) << (forward ? " >" : " <");
    EXPECT_TRUE(FindField(f.pages.rows, FieldFinder(f.Layout(), f.locale, "z"), {1, 1}, true,
                          [](int64_t, int64_t) { return false; })
                    .Stopped());
    EXPECT_EQ(PageOfRow(3, 0), 4);  // no room for rows: a page each
}

// Narrowed to the rows that match, a report holds just those rows, with the
// titles of the whole and the field count of the last row kept; a filter
// stopped half way gives nothing. The kept rows' bytes, pages and totals are
// checked where the command line filters the sample.
TEST(FilterReport, IsTheReportOfItsKeptRows) {
    PageFixture source;
    source.Columns({{"Kod", 6, "000000"}, {"Şehir", 10, "@"}, {"Tutar", 12, "#,##0.00", true}});
    source.Rows({{"1", "ANKARA", "111,5"},
                 {"2", "Bursa", "222,5"},
                 {"10", "İzmir", "1110,5"},
                 {"11", "ANKARA", "1221,5"},
                 {"99", "Ankara", "7", "fazla"}});  // the last kept row has four fields
    // What is looked for, by which rules, the rows kept, their field count and
    // the widest amount they show ("1.221,50" or none).
    for (const auto& [text, rules, kept, fieldCount, widestAmount] :
         std::vector<std::tuple<const char*, FindRules, int64_t, int, int16_t>>{
             {"ankara", {2, false}, 3, 4, 8},
             {"1", {1, false}, 3, 3, 8},
             {"yok", {0, false}, 0, 3, 0}}) {
        ReportPages filtered;
        const Outcome<int64_t> outcome =
            FilterReport(source.pages, FieldFinder(source.Layout(), source.locale, text, rules),
                         source.dir.File("SUZGEC.DAT"), filtered);
        ASSERT_TRUE(outcome.Ok()) << outcome.Why().reason;
        EXPECT_EQ(outcome.Value(), kept) << text;
        EXPECT_EQ(filtered.rows.RecordCount(), kept) << text;
        EXPECT_EQ(filtered.fieldCount, fieldCount) << text;
        EXPECT_EQ(filtered.shownWidths[3], widestAmount) << text;
        EXPECT_EQ(filtered.layout.ColumnTitles, source.Layout().ColumnTitles);
    }
    ReportPages stopped;
    EXPECT_TRUE(FilterReport(source.pages, FieldFinder(source.Layout(), source.locale, "a"),
                             source.dir.File("DURDU.DAT"), stopped,
                             [](int64_t, int64_t) { return false; })
                    .Stopped());
    EXPECT_EQ(stopped.rows.RecordCount(), 0);
}
