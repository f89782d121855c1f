#include <gtest/gtest.h>

#include "input/SplitFields.h"

using namespace Tabulon;

// The rest of the line's fields are ignored; a field past the count reads as empty.
TEST(SplitFields, AtMost150FieldsAreKept) {
    std::string many;
    for (int i = 1; i <= 200; ++i) many += std::to_string(i) + "\t";
    const RowFields row = SplitFields(many);
    EXPECT_EQ(row.count, 150);
    EXPECT_EQ(row[150], "150");
    EXPECT_EQ(row[row.count + 1], "");
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
