#include <gtest/gtest.h>

#include "input/SplitFields.h"

namespace {

TEST(SplitFields, FieldsEndWithATab) {
    const struct {
        std::string line;
        int count;
        std::vector<std::string> fields;
    } cases[] = {
        {"a\tb\tc\t", 3, {"a", "b", "c"}},
        {"a\tb\tlast", 2, {"a", "b"}},
        {"no tabs", 0, {}},
        {"", 0, {}},
        {"\t\t", 2, {"", ""}},
        {"  lead  \t", 1, {"  lead"}},
        {"a\t" + std::string(500, ' '), 1, {"a"}},
    };
    for (const auto& c : cases) {
        ReportModel m;
        SplitFields(m, c.line);
        EXPECT_EQ(m.FieldCount, c.count) << c.line;
        for (size_t i = 0; i < c.fields.size(); ++i) EXPECT_EQ(m.Fields[i + 1], c.fields[i]);
    }
}

TEST(SplitFields, LeavesFieldsPast50FromALongerLine) {
    ReportModel m;
    std::string longLine;
    for (int i = 1; i <= 60; ++i) longLine += "f" + std::to_string(i) + "\t";
    SplitFields(m, longLine);
    SplitFields(m, "x\t");
    EXPECT_EQ(m.FieldCount, 1);
    EXPECT_EQ(m.Fields[2], "");
    EXPECT_EQ(m.Fields[55], "f55");
}

TEST(SplitFields, IgnoresFieldsPast150) {
    ReportModel m;
    std::string line;
    for (int i = 1; i <= 200; ++i) line += std::to_string(i) + "\t";
    SplitFields(m, line);
    EXPECT_EQ(m.FieldCount, 150);
    EXPECT_EQ(m.Fields[150], "150");
}

TEST(SplitFields, RaisesMeasuredWidthsOnly) {
    ReportModel m;
    SplitFields(m, "abcd\tx\t");
    SplitFields(m, "ab\t\xC5\x9E\xC5\x9E\xC5\x9E\t");
    EXPECT_EQ(m.MeasuredWidths[1], 4);
    EXPECT_EQ(m.MeasuredWidths[2], 3);  // characters, not bytes
}

}  // namespace
