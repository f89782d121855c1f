#include <gtest/gtest.h>

#include "PageFixture.h"
#include "render/FilterReport.h"

using namespace Tabulon;

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
    EXPECT_TRUE(ForEachRow(rows, 1, rows.RecordCount(), [&](int64_t, std::string_view text) {
                    texts.emplace_back(text);
                    return true;
                }).Ok());
    return texts;
}

// Narrowed to the rows that match, a report holds just those rows, in their
// order, and counts its pages and totals as a report of only them does; a
// filter stopped half way gives nothing.
TEST(FilterReport, IsTheReportOfItsKeptRows) {
    struct Case {
        const char* text;
        FindRules rules;
        std::vector<int> kept;  // 1-based rows of the source
    };
    PageFixture source;
    source.Columns(SalesColumns());
    source.Rows(SalesRows());
    for (const auto& [text, rules, kept] :
         std::vector<Case>{{"ankara", {2, false}, {1, 5, 7, 11, 13, 14}},
                           {"1", {1, true}, {1}},
                           {"1", {1, false}, {1, 10, 11, 12, 13}},
                           {"yok", {0, false}, {}}}) {
        ReportPages filtered;
        const Outcome<int64_t> outcome =
            FilterReport(source.pages, FieldFinder(source.Layout(), source.locale, text, rules),
                         source.dir.File("SUZGEC.DAT"), filtered);
        ASSERT_TRUE(outcome.Ok()) << outcome.Why().reason;
        EXPECT_EQ(outcome.Value(), static_cast<int64_t>(kept.size())) << text;

        PageFixture only;
        only.Columns(SalesColumns());
        std::vector<std::vector<std::string>> keptRows;
        for (int row : kept) keptRows.push_back(SalesRows()[static_cast<size_t>(row - 1)]);
        only.Rows(keptRows);
        EXPECT_EQ(Texts(filtered.rows), Texts(only.pages.rows)) << text;
        const auto totals =
            ComputePageTotals(filtered.rows, TotalFlagsOf(filtered.layout), 5, source.locale);
        EXPECT_EQ(totals->totals.pageCount, only.pages.totals.pageCount) << text;
        for (int32_t page = 1; page <= totals->totals.pageCount; ++page)
            EXPECT_EQ(totals->totals.table.Get(page, 3), only.pages.totals.table.Get(page, 3));
        EXPECT_EQ(filtered.fieldCount, kept.empty() ? 3 : kept.back() == 14 ? 4 : 3) << text;
        EXPECT_EQ(filtered.layout.ColumnTitles, source.Layout().ColumnTitles);
    }
    ReportPages stopped;
    EXPECT_TRUE(FilterReport(source.pages, FieldFinder(source.Layout(), source.locale, "a"),
                             source.dir.File("DURDU.DAT"), stopped,
                             [](int64_t, int64_t) { return false; })
                    .Stopped());
    EXPECT_EQ(stopped.rows.RecordCount(), 0);
}
