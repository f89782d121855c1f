#include <gtest/gtest.h>

#include <vector>

#include "viewer/JoinArguments.h"

namespace {
TEST(JoinArguments, TheArgumentsAfterTheProgramJoinedBySingleSpaces) {
    const struct {
        std::vector<const char*> argv;
        std::string commandLine;
    } cases[] = {
        {{"tabulon"}, ""},
        {{"tabulon", "/tmp/rapor.txt"}, "/tmp/rapor.txt"},
        {{"tabulon", "/tmp/Satış", "Raporları/kasım.txt"}, "/tmp/Satış Raporları/kasım.txt"},
        {{"tabulon", "a  b", "", "c"}, "a  b  c"},
        {{"tabulon", "\"/tmp/rapor.txt\""}, "\"/tmp/rapor.txt\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinArguments(static_cast<int>(c.argv.size()), c.argv.data()), c.commandLine);
}
}  // namespace
