#include <gtest/gtest.h>

#include "core/TextEncoding.h"

namespace {

TEST(DecodeReportLine, KeepsUtf8AndConvertsTheTurkishCodePage) {
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"plain ascii", "plain ascii"},
        {"\xC5\x9E"
         "ehir",
         "\xC5\x9E"
         "ehir"},  // UTF-8 "Şehir" kept
        {"\xDE"
         "ehir",
         "\xC5\x9E"
         "ehir"},                                                              // 1254 Ş
        {"\xDD\xFD\xF0\xD0\xFE", "\xC4\xB0\xC4\xB1\xC4\x9F\xC4\x9E\xC5\x9F"},  // İığĞş
        {"\xE7\xF6\xFC", "\xC3\xA7\xC3\xB6\xC3\xBC"},                          // çöü as Latin-1
        {"\x80", "\xE2\x82\xAC"},                                              // euro sign
        {"\xC3", "\xC3\x83"},  // a lone lead byte is 1254
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeReportLine(c.in), c.out) << c.in;
}

TEST(IsValidUtf8, RejectsOverlongAndSurrogateForms) {
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));
}

TEST(CutUtf8, NeverSplitsACharacter) {
    const std::string text =
        "ab\xC5\x9E"
        "c";  // a b Ş c: 5 bytes
    EXPECT_EQ(CutUtf8(text, 2), "ab");
    EXPECT_EQ(CutUtf8(text, 3), "ab");
    EXPECT_EQ(CutUtf8(text, 4), "ab\xC5\x9E");
    EXPECT_EQ(CutUtf8(text, 10), text);
    EXPECT_EQ(CodePointCount(text), 4u);
}

}  // namespace
