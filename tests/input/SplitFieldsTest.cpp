#include <gtest/gtest.h>

#include "input/SplitFields.h"

namespace {

TEST(SplitFields, FieldsEndWithATab) {
    const struct {
        std::string line;
        std::vector<std::string> fields;
    } cases[] = {
        {"a\tb\tc\t", {"a", "b", "c"}},
        {"a\tb\tlast", {"a", "b"}},
        {"no tabs", {}},
        {"", {}},
        {"\t\t", {"", ""}},
        {"  lead  \t", {"  lead"}},
        {"a\t" + std::string(500, ' '), {"a"}},
    };
    for (const auto& c : cases) {
        ReportModel m;
        SplitFields(m, c.line);
        EXPECT_EQ(std::vector(m.Fields.begin() + 1, m.Fields.begin() + 1 + m.FieldCount), c.fields)
            << c.line;
    }
}

TEST(SplitFields, KeepsAtMost150AndClearsOnly50) {
    ReportModel m;
    std::string line;
    for (int i = 1; i <= 200; ++i) line += std::to_string(i) + "\t";
    SplitFields(m, line);
    EXPECT_EQ(m.FieldCount, 150);
    EXPECT_EQ(m.Fields[150], "150");
    SplitFields(m, "x\t");
    EXPECT_EQ(m.FieldCount, 1);
    EXPECT_EQ(m.Fields[2], "");
    EXPECT_EQ(m.Fields[55], "55");  // a field past 50 outlives the next split
}

}  // namespace
