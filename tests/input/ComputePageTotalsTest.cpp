#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "input/ComputePageTotals.h"
#include "input/RowStore.h"

using namespace Tabulon;

static TotalFlags Flagged(std::initializer_list<int> columns) {
    ReportLayout layout;
    for (int c : columns) layout.ColumnTotalFlags[static_cast<size_t>(c)] = true;
    return TotalFlagsOf(layout);
}

// Rows are read a megabyte at a time and pages run across those reads. A store
// that cannot be read back must never be taken for a short report.
TEST(ComputePageTotals, CrossesReadsTellsTheLastRowAndReportsAFailedRead) {
    TempDir dir;
    RowStore store, empty;
    ASSERT_TRUE(store.Create(dir.File("BUFFILE.DAT"), true).Ok());
    for (int i = 1; i < 5000; ++i) store.Append("a\t" + std::to_string(i) + "\tb\tc\t");
    store.Append("son   \t2\tartık");
    ASSERT_TRUE(store.Flush().Ok() && empty.Create(dir.File("BOS.DAT"), false).Ok());
    const auto pass = ComputePageTotals(store, Flagged({2}), 1000, NumberLocale::Turkish());
    ASSERT_EQ(pass->totals.pageCount, 5);
    for (int p = 1; p <= 4; ++p) {
        const int64_t first = (p - 1) * int64_t{1000} + 1, last = p * int64_t{1000};
        EXPECT_EQ(pass->totals.table.Get(p, 2).scaled / 10000, (first + last) * 1000 / 2) << p;
    }
    EXPECT_EQ(pass->totals.table.Get(5, 2).scaled / 10000, (4001 + 4999) * 999 / 2 + 2);
    EXPECT_EQ(pass->lastFieldCount, 2);
    EXPECT_EQ(ComputePageTotals(empty, Flagged({2}), 10, {})->lastFieldCount, std::nullopt);
    EXPECT_TRUE(ComputePageTotals(store, Flagged({1}), 10, {}, [](int64_t done, int64_t) {
                    return done == 0;
                }).Stopped());
    std::filesystem::resize_file(store.Path(), 100 * RowStore::RecordSize);
    const auto failed = ComputePageTotals(store, Flagged({1}), 10, {});
    ASSERT_FALSE(failed.Ok());
    EXPECT_TRUE(failed.Why().operation == Operation::ReadWorkFile && !failed.Why().reason.empty());
}
