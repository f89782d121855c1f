#include <gtest/gtest.h>

#include "TestSupport.h"
#include "input/ComputePageTotals.h"
#include "input/RowStore.h"
#include "input/SafeCurrency.h"

namespace {

// A row store of `rows` rows made by `row(i)`.
struct Store {
    TempDir dir;
    std::string path = dir.File("BUFFILE.DAT");
    Store(int rows, const std::function<std::string(int)>& row) {
        RowStore store;
        store.Create(path);
        for (int i = 1; i <= rows; ++i) store.Append(row(i));
        store.Close();
    }
};

TEST(ComputePageTotals, CountsPagesAndTotalsEachPageFromZero) {
    const struct {
        int rows, perPage;
        std::vector<int64_t> totals;  // column 1 of each page, whose rows hold their number
    } cases[] = {
        {25, 10, {55, 155, 115}},
        {20, 10, {55, 155}},
        {25, 5, {15, 40, 65, 90, 115}},  // a second pass over the same model
        {1, 10, {1}},
        {0, 10, {0}},
        {0, 0, {0}},
        // No row fits: page 1 stays empty and every row gets a page of its own.
        {7, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
        {7, -3, {0, 1, 2, 3, 4, 5, 6, 7}},
    };
    ReportModel m;
    m.ColumnTotalFlags[1] = true;
    for (const auto& c : cases) {
        Store s(c.rows, [](int i) { return std::to_string(i) + "\t"; });
        ComputePageTotals(m, c.perPage, s.path, NumberLocale::Turkish());
        std::vector<int64_t> totals;
        for (int p = 1; p <= m.PageCount; ++p)
            totals.push_back(m.PageTotals.Get(p, 1).scaled / 10000);
        EXPECT_EQ(totals, c.totals) << c.rows << " rows at " << c.perPage;
    }
}

TEST(ComputePageTotals, SumsFlaggedColumnsUpTo30InTheLocale) {
    Store s(3, [](int) {
        std::string row = "1,25\tx\t";
        for (int c = 3; c <= 31; ++c) row += "2\t";
        return row;
    });
    ReportModel m;
    m.ColumnTotalFlags[1] = m.ColumnTotalFlags[2] = m.ColumnTotalFlags[30] = true;
    m.ColumnTotalFlags[31] = true;  // past the totals table: never added
    ComputePageTotals(m, 10, s.path, NumberLocale::Turkish());
    EXPECT_EQ(m.PageTotals.Get(1, 1).scaled, 37500);
    EXPECT_EQ(m.PageTotals.Get(1, 2).scaled, 0);  // text adds nothing
    EXPECT_EQ(m.PageTotals.Get(1, 3).scaled, 0);  // not flagged
    EXPECT_EQ(m.PageTotals.Get(1, 30).scaled, 60000);
    EXPECT_EQ(m.PageTotals.Get(1, 31).scaled, 0);
}

// Rows are read a megabyte at a time; pages run across those reads, and the
// model ends holding the last row, as the exports expect of it.
TEST(ComputePageTotals, CrossesReadsAndLeavesTheLastRowInTheModel) {
    Store s(5000, [](int i) {
        return i == 5000 ? std::string("son   \t2\tartık") : "a\t" + std::to_string(i) + "\tb\tc\t";
    });
    ReportModel m;
    m.ColumnTotalFlags[2] = true;
    ComputePageTotals(m, 1000, s.path, NumberLocale::Turkish());
    ASSERT_EQ(m.PageCount, 5);
    for (int p = 1; p <= 4; ++p) {
        const int64_t first = (p - 1) * 1000 + 1, last = p * 1000;
        EXPECT_EQ(m.PageTotals.Get(p, 2).scaled / 10000, (first + last) * 1000 / 2) << p;
    }
    EXPECT_EQ(m.PageTotals.Get(5, 2).scaled / 10000, (4001 + 4999) * 999 / 2 + 2);
    EXPECT_EQ(m.FieldCount, 2);
    EXPECT_EQ(m.Fields[1], "son");
    EXPECT_EQ(m.Fields[2], "2");
    EXPECT_EQ(m.Fields[3], "");
}

TEST(SafeCurrency, NeverFails) {
    EXPECT_EQ(SafeCurrency("1.234,56", NumberLocale::Turkish()).scaled, 12345600);
    EXPECT_EQ(SafeCurrency("1.234,56", NumberLocale::English()).scaled, 0);
    EXPECT_EQ(SafeCurrency("", NumberLocale::Turkish()).scaled, 0);
    EXPECT_EQ(SafeCurrency("1e30", NumberLocale::English()).scaled, 0);
}

}  // namespace
