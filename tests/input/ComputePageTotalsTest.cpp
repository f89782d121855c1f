#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "input/ComputePageTotals.h"
#include "input/RowStore.h"

using namespace Tabulon;

struct Store {
    TempDir dir;
    RowStore store;
    Store(int rows, const std::function<std::string(int)>& row) {
        store.Create(dir.File("BUFFILE.DAT"), true);
        for (int i = 1; i <= rows; ++i) store.Append(row(i));
        store.Flush();
    }
};

static TotalFlags Flagged(std::initializer_list<int> columns) {
    ReportLayout layout;
    for (int c : columns) layout.ColumnTotalFlags[static_cast<size_t>(c)] = true;
    return TotalFlagsOf(layout);
}

// Rows are read a megabyte at a time and pages run across those reads. A store
// that cannot be read back must never be taken for a short report.
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
    EXPECT_TRUE(!failed.ok && !failed.error.empty()) << failed.error;
}
