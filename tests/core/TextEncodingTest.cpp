#include <gtest/gtest.h>

#include "core/TextEncoding.h"

namespace {

TEST(DecodeReportLine, KeepsUtf8AndConvertsTheTurkishCodePage) {
    const struct {
        std::string in;
        std::string out;
    } cases[] = {{"plain ascii", "plain ascii"},
                 {"Şirket", "Şirket"},
                 {"\xDEirket", "Şirket"},
                 {"\xDD\xFD\xF0\xD0\xFE", "İığĞş"},
                 {"\xE7\xF6\xFC", "çöü"},  // as in Latin-1
                 {"\x80", "€"},
                 {"😀", "😀"},
                 // Not UTF-8: a lone lead byte, an overlong form, a surrogate.
                 {"\xC3", "Ã"},
                 {"\xE0\x80\xAF", "à€¯"},
                 {"\xED\xA0\x80", "í\xC2\xA0€"}};
    for (const auto& c : cases) EXPECT_EQ(DecodeReportLine(c.in), c.out) << c.in;
}

TEST(CutUtf8, NeverSplitsACharacter) {
    const std::string text = "abŞc";  // 5 bytes
    EXPECT_EQ(CutUtf8(text, 3), "ab");
    EXPECT_EQ(CutUtf8(text, 4), "abŞ");
    EXPECT_EQ(CutUtf8(text, 10), text);
    EXPECT_EQ(CodePointCount(text), 4u);
}

}  // namespace
