#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "input/ComputePageTotals.h"
#include "input/RowStore.h"
#include "input/SafeCurrency.h"

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

TotalFlags Flagged(std::initializer_list<int> columns) {
    TotalFlags flags{};
    for (int c : columns) flags[static_cast<size_t>(c)] = true;
    return flags;
}

TEST(ComputePageTotals, CountsPagesAndTotalsEachPageFromZero) {
    const struct {
        int rows, perPage;
        std::vector<int64_t> totals;  // column 1 of each page, whose rows hold their number
    } cases[] = {
        {25, 10, {55, 155, 115}},
        {20, 10, {55, 155}},
        {25, 5, {15, 40, 65, 90, 115}},
        {1, 10, {1}},
        {0, 10, {0}},
        {0, 0, {0}},
        // No row fits: page 1 stays empty and every row gets a page of its own.
        {7, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
        {7, -3, {0, 1, 2, 3, 4, 5, 6, 7}},
    };
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

TEST(ComputePageTotals, SumsFlaggedColumnsUpTo30InTheLocale) {
    Store s(3, [](int) {
        std::string row = "1,25\tx\t";
        for (int c = 3; c <= 31; ++c) row += "2\t";
        return row;
    });
    // Column 31 has no totals at all, whatever its flag.
    const PageTotalsTable totals =
        ComputePageTotals(s.store, Flagged({1, 2, 30}), 10, NumberLocale::Turkish()).totals.table;
    EXPECT_EQ(totals.Get(1, 1).scaled, 37500);
    EXPECT_EQ(totals.Get(1, 2).scaled, 0);  // text adds nothing
    EXPECT_EQ(totals.Get(1, 3).scaled, 0);  // not flagged
    EXPECT_EQ(totals.Get(1, 30).scaled, 60000);
    EXPECT_EQ(totals.Get(1, 31).scaled, 0);
}

// Rows are read a megabyte at a time; pages run across those reads, and the
// pass tells the field count of the last row, which the titles follow next.
TEST(ComputePageTotals, CrossesReadsAndTellsTheLastRowsFieldCount) {
    Store s(5000, [](int i) {
        return i == 5000 ? std::string("son   \t2\tartık") : "a\t" + std::to_string(i) + "\tb\tc\t";
    });
    const TotalsPass pass = ComputePageTotals(s.store, Flagged({2}), 1000, NumberLocale::Turkish());
    ASSERT_EQ(pass.totals.pageCount, 5);
    for (int p = 1; p <= 4; ++p) {
        const int64_t first = (p - 1) * 1000 + 1, last = p * 1000;
        EXPECT_EQ(pass.totals.table.Get(p, 2).scaled / 10000, (first + last) * 1000 / 2) << p;
    }
    EXPECT_EQ(pass.totals.table.Get(5, 2).scaled / 10000, (4001 + 4999) * 999 / 2 + 2);
    EXPECT_EQ(pass.lastFieldCount, 2);
    Store empty(0, {});
    EXPECT_EQ(ComputePageTotals(empty.store, Flagged({2}), 10, {}).lastFieldCount, std::nullopt);
}

// A working file that cannot be read back is never taken for a short report.
TEST(ComputePageTotals, AFailedReadIsReportedAndAStopIsHonoured) {
    Store s(5000, [](int i) { return std::to_string(i) + "\t"; });
    const TotalsPass stopped = ComputePageTotals(s.store, Flagged({1}), 10, {},
                                                 [](int64_t done, int64_t) { return done == 0; });
    EXPECT_TRUE(stopped.cancelled);
    std::filesystem::resize_file(s.store.Path(), 100 * RowStore::RecordSize);
    const TotalsPass failed = ComputePageTotals(s.store, Flagged({1}), 10, {});
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.error, "");
}

TEST(SafeCurrency, NeverFails) {
    EXPECT_EQ(SafeCurrency("1.234,56", NumberLocale::Turkish()).scaled, 12345600);
    EXPECT_EQ(SafeCurrency("1.234,56", NumberLocale::English()).scaled, 0);
    EXPECT_EQ(SafeCurrency("", NumberLocale::Turkish()).scaled, 0);
    EXPECT_EQ(SafeCurrency("1e30", NumberLocale::English()).scaled, 0);
}

}  // namespace
