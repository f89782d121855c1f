#include <gtest/gtest.h>

#include "input/SplitFields.h"

TEST(SplitFields, FieldsEndWithATabAndAtMost150AreKept) {
    std::string many;
    for (int i = 1; i <= 200; ++i) many += std::to_string(i) + "\t";
    const struct {
        std::string line;
        std::vector<std::string> fields;  // a count alone when there are many
        int count;
    } cases[] = {{"a\tb\tc\t", {"a", "b", "c"}, 3},
                 {"a\tb\tlast", {"a", "b"}, 2},
                 {"no tabs", {}, 0},
                 {"", {}, 0},
                 {"\t\t", {"", ""}, 2},
                 {"  lead  \t", {"  lead"}, 1},
                 {"a\t" + std::string(500, ' '), {"a"}, 1},
                 {many, {}, 150}};
    for (const auto& c : cases) {
        const RowFields row = SplitFields(c.line);
        EXPECT_EQ(row.count, c.count) << c.line;
        for (size_t i = 0; i < c.fields.size(); ++i) EXPECT_EQ(row[int(i) + 1], c.fields[i]);
        EXPECT_EQ(row[row.count + 1], "");
    }
    EXPECT_EQ(SplitFields(many)[150], "150");
}

// Bytes eight at a time: fillers differ from a TAB in one bit or are UTF-8 high bytes.
TEST(SplitFields, FindsTheTabAtEveryOffset) {
    for (const char filler : {'x', '\x08', '\x0A', '\x89', '\xC5'}) {
        for (size_t at = 0; at < 40; ++at) {
            std::string line(48, filler);
            line[at] = '\t';
            line[at + 3] = '\t';
            EXPECT_EQ(FindTab(line, 0), at) << int(filler) << " " << at;
            EXPECT_EQ(FindTab(line, at + 1), at + 3) << int(filler) << " " << at;
            EXPECT_EQ(FindTab(line.substr(0, at), 0), std::string_view::npos);
        }
    }
}
