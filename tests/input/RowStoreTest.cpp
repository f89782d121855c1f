#include <gtest/gtest.h>

#include "TestSupport.h"
#include "input/RowStore.h"

namespace {

TEST(RowStore, RecordLayoutToTheByte) {
    TempDir dir;
    RowStore store;
    ASSERT_TRUE(store.Create(dir.File("s.dat")));
    ASSERT_TRUE(store.Append("a\tb\tc\t"));
    ASSERT_TRUE(store.Append(std::string(509, 'x') + "\xC5\x9E"));  // 511 bytes: cut before Ş
    ASSERT_TRUE(store.Close());
    const std::string bytes = ReadBytes(dir.File("s.dat"));
    ASSERT_EQ(bytes.size(), 1024u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 254);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 1);
    EXPECT_EQ(bytes.substr(2, 6), "a\tb\tc\t");
    EXPECT_EQ(bytes.substr(8, 504), std::string(504, ' '));
    EXPECT_EQ(bytes.substr(514, 509), std::string(509, 'x'));
    EXPECT_EQ(bytes[1023], ' ');
}

TEST(RowStore, ReadsByNumberByRunAndInOrder) {
    TempDir dir;
    RowStore writer;
    ASSERT_TRUE(writer.Create(dir.File("s.dat")));
    for (int i = 1; i <= 25; ++i) writer.Append("row" + std::to_string(i) + "\t");
    ASSERT_TRUE(writer.Close());

    RowStore reader;
    ASSERT_TRUE(reader.Open(dir.File("s.dat")));
    EXPECT_EQ(reader.RecordCount(), 25);
    std::string text;
    ASSERT_TRUE(reader.ReadRecord(17, text));
    EXPECT_EQ(text.substr(0, 6), "row17\t");
    EXPECT_EQ(text.size(), 510u);
    EXPECT_FALSE(reader.ReadRecord(26, text));
    EXPECT_FALSE(reader.ReadRecord(0, text));

    std::vector<std::string> page;
    ASSERT_TRUE(reader.ReadRecords(21, 10, page));  // runs past the end: 5 records
    ASSERT_EQ(page.size(), 5u);
    EXPECT_EQ(page[4].substr(0, 6), "row25\t");

    ASSERT_TRUE(reader.Open(dir.File("s.dat")));
    int count = 0;
    while (reader.ReadNext(text)) ++count;
    EXPECT_EQ(count, 25);
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
    EXPECT_EQ(ReadBytes(dir.File("old.dat")).size(), 0u);
}

TEST(RowStore, IgnoresATrailingPartialRecord) {
    TempDir dir;
    WriteBytes(dir.File("s.dat"), RowStore::EncodeRecord("a\t") + "xyz");
    RowStore store;
    ASSERT_TRUE(store.Open(dir.File("s.dat")));
    EXPECT_EQ(store.RecordCount(), 1);
}

}  // namespace
