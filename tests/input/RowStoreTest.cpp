#include <gtest/gtest.h>

#include "TestSupport.h"
#include "input/RowStore.h"

namespace {

TEST(RowStore, RecordLayoutToTheByte) {
    TempDir dir;
    RowStore store;
    ASSERT_TRUE(store.Create(dir.File("s.dat")));
    ASSERT_TRUE(store.Append("a\tb\tc\t"));
    ASSERT_TRUE(store.Append(std::string(509, 'x') + "Ş"));  // 511 bytes: cut before Ş
    ASSERT_TRUE(store.Close());
    const std::string record = "\xFE\x01" + std::string(510, ' ');
    EXPECT_EQ(ReadBytes(dir.File("s.dat")), std::string(record).replace(2, 6, "a\tb\tc\t") +
                                                std::string(record).replace(2, 509, 509, 'x'));
}

TEST(RowStore, ReadsByNumberAndByRun) {
    TempDir dir;
    RowStore store;
    ASSERT_TRUE(store.Create(dir.File("s.dat")));
    for (int i = 1; i <= 25; ++i) store.Append("row" + std::to_string(i) + "\t");
    ASSERT_TRUE(store.Close());
    WriteBytes(dir.File("s.dat"), ReadBytes(dir.File("s.dat")) + "xyz");  // a partial record

    ASSERT_TRUE(store.Open(dir.File("s.dat")));
    EXPECT_EQ(store.RecordCount(), 25);
    std::string text;
    ASSERT_TRUE(store.ReadRecord(17, text));
    EXPECT_EQ(text, "row17\t" + std::string(504, ' '));
    EXPECT_FALSE(store.ReadRecord(26, text));
    EXPECT_FALSE(store.ReadRecord(0, text));
    std::vector<std::string> page;
    ASSERT_TRUE(store.ReadRecords(21, 10, page));  // runs past the end: 5 records
    ASSERT_EQ(page.size(), 5u);
    EXPECT_EQ(page[4].substr(0, 6), "row25\t");
}

TEST(RowStore, MissingFileReadsAsEmptyAndCreateTruncates) {
    TempDir dir;
    RowStore store;
    EXPECT_TRUE(store.Open(dir.File("none.dat")));
    EXPECT_EQ(store.RecordCount(), 0);
    std::string text;
    EXPECT_FALSE(store.ReadNext(text));
    WriteBytes(dir.File("old.dat"), std::string(5000, 'z'));
    ASSERT_TRUE(store.Create(dir.File("old.dat")));
    ASSERT_TRUE(store.Close());
    EXPECT_EQ(ReadBytes(dir.File("old.dat")), "");
}

}  // namespace
