#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "input/ComputePageTotals.h"
#include "input/RowStore.h"

namespace {

// A row store of `rows` rows made by `row(i)`.
struct Store {
    TempDir dir;
    RowStore store;
    Store(int rows, const std::function<std::string(int)>& row) {
        store.Create(dir.File("BUFFILE.DAT"), true);
        for (int i = 1; i <= rows; ++i) store.Append(row(i));
        store.Flush();
    }
};

// The totals flags of a description marking these columns.
TotalFlags Flagged(std::initializer_list<int> columns) {
    ReportLayout layout;
    for (int c : columns) layout.ColumnTotalFlags[static_cast<size_t>(c)] = true;
    return TotalFlagsOf(layout);
}

// Each page is totalled from zero; with no room for rows page 1 stays empty
// and every row gets a page of its own.
TEST(ComputePageTotals, CountsPagesAndTotalsEachPageFromZero) {
    const struct {
        int rows, perPage;
        std::vector<int64_t> totals;  // column 1 of each page, whose rows hold their number
    } cases[] = {{25, 10, {55, 155, 115}},
                 {20, 10, {55, 155}},
                 {25, 5, {15, 40, 65, 90, 115}},
                 {0, 10, {0}},
                 {0, 0, {0}},
                 {7, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
                 {7, -3, {0, 1, 2, 3, 4, 5, 6, 7}}};
    for (const auto& c : cases) {
        Store s(c.rows, [](int i) { return std::to_string(i) + "\t"; });
        const TotalsPass pass =
            ComputePageTotals(s.store, Flagged({1}), c.perPage, NumberLocale::Turkish());
        ASSERT_TRUE(pass.ok);
        std::vector<int64_t> totals;
        for (int p = 1; p <= pass.totals.pageCount; ++p)
            totals.push_back(pass.totals.table.Get(p, 1).scaled / 10000);
        EXPECT_EQ(totals, c.totals) << c.rows << " rows at " << c.perPage;
    }
}

// Flagged columns up to the thirtieth are summed in the locale; text adds
// nothing and column 31 has no totals whatever its flag.
TEST(ComputePageTotals, SumsFlaggedColumnsUpTo30InTheLocale) {
    Store s(3, [](int) {
        std::string row = "1,25\tx\t";
        for (int c = 3; c <= 31; ++c) row += "2\t";
        return row;
    });
    const PageTotalsTable totals =
        ComputePageTotals(s.store, Flagged({1, 2, 30, 31}), 10, NumberLocale::Turkish())
            .totals.table;
    std::string sums;
    for (int column : {1, 2, 3, 30, 31}) sums += std::to_string(totals.Get(1, column).scaled) + " ";
    EXPECT_EQ(sums, "37500 0 0 60000 0 ");
}

// Rows are read a megabyte at a time; pages run across those reads, and the
// pass tells the field count of the last row, which the titles follow next.
// A stop is honoured, and a store that cannot be read back is never taken
// for a short report.
TEST(ComputePageTotals, CrossesReadsTellsTheLastRowAndReportsAFailedRead) {
    Store s(5000, [](int i) {
        return i == 5000 ? std::string("son   \t2\tartık") : "a\t" + std::to_string(i) + "\tb\tc\t";
    });
    const TotalsPass pass = ComputePageTotals(s.store, Flagged({2}), 1000, NumberLocale::Turkish());
    ASSERT_EQ(pass.totals.pageCount, 5);
    for (int p = 1; p <= 4; ++p) {
        const int64_t first = (p - 1) * int64_t{1000} + 1, last = p * int64_t{1000};
        EXPECT_EQ(pass.totals.table.Get(p, 2).scaled / 10000, (first + last) * 1000 / 2) << p;
    }
    EXPECT_EQ(pass.totals.table.Get(5, 2).scaled / 10000, (4001 + 4999) * 999 / 2 + 2);
    EXPECT_EQ(pass.lastFieldCount, 2);
    Store empty(0, {});
    EXPECT_EQ(ComputePageTotals(empty.store, Flagged({2}), 10, {}).lastFieldCount, std::nullopt);
    EXPECT_TRUE(ComputePageTotals(s.store, Flagged({1}), 10, {}, [](int64_t done, int64_t) {
                    return done == 0;
                }).cancelled);
    std::filesystem::resize_file(s.store.Path(), 100 * RowStore::RecordSize);
    const TotalsPass failed = ComputePageTotals(s.store, Flagged({1}), 10, {});
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.error, "");
}

}  // namespace
