#include <gtest/gtest.h>

#include "TestSupport.h"
#include "input/ComputePageTotals.h"
#include "input/RowStore.h"
#include "input/SafeCurrency.h"

namespace {

// A row store of `rows` rows whose column 1 holds the row number and column 2 "x".
struct Store {
    TempDir dir;
    std::string path = dir.File("BUFFILE.DAT");
    explicit Store(int rows, std::string (*row)(int) = nullptr) {
        RowStore store;
        store.Create(path);
        for (int i = 1; i <= rows; ++i)
            store.Append(row ? row(i) : std::to_string(i) + "\tx\t" + std::to_string(i) + ",5\t");
        store.Close();
    }
};

TEST(ComputePageTotals, CountsPages) {
    const struct {
        int rows, perPage, pages;
    } cases[] = {{0, 10, 1}, {25, 10, 3}, {20, 10, 2}, {1, 10, 1},
                 {7, 0, 8},  {7, -3, 8},  {0, 0, 1}};
    for (const auto& c : cases) {
        Store s(c.rows);
        ReportModel m;
        ComputePageTotals(m, c.perPage, s.path, NumberLocale::Turkish());
        EXPECT_EQ(m.PageCount, c.pages) << c.rows << " rows at " << c.perPage;
    }
}

TEST(ComputePageTotals, SumsFlaggedColumnsPerPage) {
    Store s(25);
    ReportModel m;
    m.ColumnTotalFlags[1] = true;
    m.ColumnTotalFlags[2] = true;  // text: adds nothing
    m.ColumnTotalFlags[3] = true;
    ComputePageTotals(m, 10, s.path, NumberLocale::Turkish());
    EXPECT_EQ(m.PageTotals.Get(1, 1).scaled, 55 * 10000);
    EXPECT_EQ(m.PageTotals.Get(3, 1).scaled, (21 + 22 + 23 + 24 + 25) * 10000);
    EXPECT_EQ(m.PageTotals.Get(2, 2).scaled, 0);
    EXPECT_EQ(m.PageTotals.Get(3, 3).scaled, (115 + 5 * 5 / 10.0) * 10000);

    // A second pass at half the rows per page starts again from zero.
    ComputePageTotals(m, 5, s.path, NumberLocale::Turkish());
    EXPECT_EQ(m.PageCount, 5);
    EXPECT_EQ(m.PageTotals.Get(1, 1).scaled, 15 * 10000);
    EXPECT_EQ(m.PageTotals.Get(5, 1).scaled, 115 * 10000);
}

TEST(ComputePageTotals, NeverTotalsPastColumn30) {
    Store s(3, [](int) {
        std::string row;
        for (int c = 1; c <= 31; ++c) row += "2\t";
        return row;
    });
    ReportModel m;
    m.ColumnTotalFlags[30] = m.ColumnTotalFlags[31] = true;
    ComputePageTotals(m, 10, s.path, NumberLocale::Turkish());
    EXPECT_EQ(m.PageTotals.Get(1, 30).scaled, 60000);
    EXPECT_EQ(m.PageTotals.Get(1, 31).scaled, 0);
}

TEST(ComputePageTotals, RowsPerPageZeroLeavesPageOneEmpty) {
    Store s(3);
    ReportModel m;
    m.ColumnTotalFlags[1] = true;
    ComputePageTotals(m, 0, s.path, NumberLocale::Turkish());
    EXPECT_EQ(m.PageTotals.Get(1, 1).scaled, 0);
    EXPECT_EQ(m.PageTotals.Get(2, 1).scaled, 10000);
    EXPECT_EQ(m.PageTotals.Get(4, 1).scaled, 30000);
}

TEST(SafeCurrency, NeverFails) {
    EXPECT_EQ(SafeCurrency("1.234,56", NumberLocale::Turkish()).scaled, 12345600);
    EXPECT_EQ(SafeCurrency("1.234,56", NumberLocale::English()).scaled, 0);
    EXPECT_EQ(SafeCurrency("", NumberLocale::Turkish()).scaled, 0);
    EXPECT_EQ(SafeCurrency("1e30", NumberLocale::English()).scaled, 0);
}

}  // namespace
