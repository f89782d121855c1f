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
    EXPECT_EQ(CutUtf8("abŞc", 3), "ab");  // a cut never splits a character
    EXPECT_EQ(CutUtf8("abŞc", 4), "abŞ");
    EXPECT_EQ(CodePointCount("abŞc"), 4u);
}

// Each sequence is judged the same wherever it lies among ASCII bytes, which
// are looked at eight at a time.
TEST(IsValidUtf8, JudgesEverySequenceAtEveryOffset) {
    const struct {
        std::string sequence;
        bool valid;
    } cases[] = {
        {"Ş", true},
        {"€", true},
        {"😀", true},
        {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
        {"\xC3", false},             // cut short
        {"\xC3(", false},
        {"\x80", false},      // a continuation alone
        {"\xC0\x80", false},  // overlong
        {"\xC1\xBF", false},
        {"\xE0\x80\xAF", false},
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // past U+10FFFF
        {"\xF5\x80\x80\x80", false},
    };
    for (const auto& c : cases) {
        for (size_t before = 0; before <= 9; ++before) {
            for (const std::string after : {"", "x", "tail of ascii"}) {
                const std::string text = std::string(before, 'a') + c.sequence + after;
                EXPECT_EQ(IsValidUtf8(text), c.valid) << before << " " << c.sequence << after;
            }
        }
    }
}

}  // namespace
