#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "input/LoadReport.h"
#include "input/RowStore.h"

using namespace Tabulon;

// A record is a 2-byte mark and 510 bytes of text padded with spaces, cut
// before a character that would not fit, so any row is found by arithmetic.
TEST(RowStore, RecordLayoutToTheByte) {
    TempDir dir;
    RowStore store;
    ASSERT_TRUE(store.Create(dir.File("s.dat"), true).Ok());
    ASSERT_TRUE(store.Append("a\tb\tc\t"));
    ASSERT_TRUE(store.Append(std::string(509, 'x') + "Ş"));  // 511 bytes: cut before Ş
    ASSERT_TRUE(store.Flush().Ok());
    const std::string record = "\xFE\x01" + std::string(510, ' ');
    EXPECT_EQ(ReadBytes(dir.File("s.dat")), std::string(record).replace(2, 6, "a\tb\tc\t") +
                                                std::string(record).replace(2, 509, 509, 'x'));
    const Outcome<> created = store.Create("/nonexistent/tabulon/1BUFFILE.DAT", false);
    EXPECT_EQ(created.Why().path, "/nonexistent/tabulon/1BUFFILE.DAT");
    EXPECT_EQ(created.Why().reason, "create: No such file or directory");
}

// A run whose length changes from row to row and block to block, so a buffer
// filled again must be padded again.
static std::string Row(int64_t n) {
    std::string text =
        "row" + std::to_string(n) + "\t" + std::string((n / 2048 + n) % 4 * 150, 'y');
    return text + std::string(RowStore::TextSize - text.size(), ' ');
}

// Runs long enough to be mapped or short enough to be copied, on a page or
// between, read as written. (Rows read while more are still appended are the
// loader's test: it reads back each page it hands out.)
TEST(RowStore, ReadsEveryRunAsWritten) {
    TempDir dir;
    RowStore store;
    ASSERT_TRUE(store.Create(dir.File("BUFFILE.DAT"), false).Ok());
    for (int64_t n = 1; n <= 40000; ++n) {
        const std::string row = Row(n);
        ASSERT_TRUE(store.Append(row.substr(0, row.find_last_not_of(' ') + 1)));
    }
    ASSERT_TRUE(store.Flush().Ok());
    RecordBlock block;
    const struct {
        int64_t first, count;
        size_t got;
    } runs[] = {{1, 2048, 2048},  {3, 1000, 1000}, {7, 39000, 39000}, {4097, 5, 5},
                {39990, 600, 11}, {40001, 5, 0},   {0, 5, 0},         {4090, 50, 50}};
    for (const auto& r : runs) {
        ASSERT_TRUE(store.Read(r.first, r.count, block).Ok());
        ASSERT_EQ(block.texts.size(), r.got) << r.first << "+" << r.count;
        EXPECT_TRUE(!r.got || block.first == r.first) << block.first;
        for (size_t i = 0; i < r.got; ++i)
            ASSERT_EQ(block.texts[i], Row(r.first + static_cast<int64_t>(i)))
                << r.first << "+" << i;
    }
    const RowStore moved = std::move(store);
    ASSERT_TRUE(moved.Read(9001, 1000, block).Ok() && block.texts.size() == 1000);
    EXPECT_EQ(block.texts[999], Row(10000));
}
