#include <gtest/gtest.h>

#include "PageFixture.h"
#include "render/FilterReport.h"

using namespace Tabulon;

namespace {

std::vector<std::vector<std::string>> SalesRows() {
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 13; ++i)
        rows.push_back({std::to_string(i),
                        i % 3 == 0 ? "İzmir"
                        : i % 2    ? "ANKARA"
                                   : "Bursa",
                        std::to_string(i * 111) + ",5"});
    rows.push_back({"99", "Ankara", "7", "fazla"});  // the last kept row has four fields
    return rows;
}

std::vector<PageFixture::Column> SalesColumns() {
    return {{"Kod", 6, "000000"}, {"Şehir", 10, "@"}, {"Tutar", 12, "#,##0.00", true}};
}

std::vector<std::string> Texts(const RowStore& rows) {
    std::vector<std::string> texts;
    ForEachRow(rows, 1, rows.RecordCount(), [&](int64_t, std::string_view text) {
        texts.emplace_back(text);
        return true;
    });
    return texts;
}

}  // namespace

// Narrowed to the rows that match, a report holds just those rows, in their
// order, and counts its pages and totals as a report of only them does.
TEST(FilterReport, IsTheReportOfItsKeptRows) {
    struct Case {
        const char* text;
        FindRules rules;
        std::vector<int> kept;  // 1-based rows of the source
    };
    for (const auto& [text, rules, kept] :
         std::vector<Case>{{"ankara", {2, false}, {1, 5, 7, 11, 13, 14}},
                           {"ankara", {0, true}, {1, 5, 7, 11, 13, 14}},
                           {"1", {1, true}, {1}},
                           {"1", {1, false}, {1, 10, 11, 12, 13}},
                           {"000012", {0, false}, {12}},
                           {"yok", {0, false}, {}}}) {
        PageFixture source;
        source.Columns(SalesColumns());
        source.Rows(SalesRows());
        ReportPages filtered;
        const FilterOutcome outcome =
            FilterReport(source.pages, FieldFinder(source.Layout(), source.locale, text, rules),
                         source.dir.File("SUZGEC.DAT"), filtered);
        ASSERT_TRUE(outcome.Ok()) << outcome.error;
        EXPECT_EQ(outcome.kept, static_cast<int64_t>(kept.size())) << text;

        PageFixture only;
        only.Columns(SalesColumns());
        std::vector<std::vector<std::string>> keptRows;
        for (int row : kept) keptRows.push_back(SalesRows()[static_cast<size_t>(row - 1)]);
        only.Rows(keptRows);
        EXPECT_EQ(Texts(filtered.rows), Texts(only.pages.rows)) << text;
        const TotalsPass totals =
            ComputePageTotals(filtered.rows, TotalFlagsOf(filtered.layout), 5, source.locale);
        EXPECT_EQ(totals.totals.pageCount, only.pages.totals.pageCount) << text;
        for (int32_t page = 1; page <= totals.totals.pageCount; ++page)
            EXPECT_EQ(totals.totals.table.Get(page, 3), only.pages.totals.table.Get(page, 3));
        EXPECT_EQ(filtered.fieldCount, kept.empty() ? 3 : kept.back() == 14 ? 4 : 3) << text;
        EXPECT_EQ(filtered.layout.ColumnTitles, source.Layout().ColumnTitles);
    }
}

// A filter stopped half way leaves the report it was to replace as it was.
TEST(FilterReport, AStoppedFilterGivesNothing) {
    PageFixture source;
    source.Columns(SalesColumns());
    source.Rows(SalesRows());
    ReportPages filtered;
    const FilterOutcome outcome = FilterReport(
        source.pages, FieldFinder(source.Layout(), source.locale, "a"),
        source.dir.File("SUZGEC.DAT"), filtered, [](int64_t, int64_t) { return false; });
    EXPECT_FALSE(outcome.Ok());
    EXPECT_TRUE(outcome.pass.cancelled);
    EXPECT_EQ(filtered.rows.RecordCount(), 0);
}
