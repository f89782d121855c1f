#include <gtest/gtest.h>

#include "core/TextEncoding.h"

using namespace Tabulon;

TEST(DecodeReportLine, KeepsUtf8AndConvertsTheTurkishCodePage) {
    // The last three are not UTF-8: a lone lead byte, an overlong form, a surrogate.
    const std::pair<std::string, std::string> cases[] = {
        {"Şirket", "Şirket"},    {"\xDEirket", "Şirket"}, {"\xDD\xFD\xF0\xD0\xFE", "İığĞş"},
        {"\xE7\xF6\xFC", "çöü"}, {"\x80", "€"},           {"😀", "😀"},
        {"\xC3", "Ã"},           {"\xE0\x80\xAF", "à€¯"}, {"\xED\xA0\x80", "í\xC2\xA0€"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(DecodeReportLine(in), out) << in;
}

// Each sequence is judged the same wherever it lies among ASCII bytes, which
// are looked at eight at a time.
TEST(IsValidUtf8, JudgesEverySequenceAtEveryOffset) {
    // Valid up to U+10FFFF; invalid: cut short, a lone continuation, overlong, a surrogate.
    const std::vector<std::string>
        valid = {"Ş", "€", "😀", "\xF4\x8F\xBF\xBF"},
        invalid = {"\xC3(",           "\xC3",         "\x80",         "\xC0\x80",
                   "\xC1\xBF",        "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                   "\xF5\x80\x80\x80"};
    for (const bool isValid : {true, false})
        for (const std::string& sequence : isValid ? valid : invalid)
            for (size_t before = 0; before <= 9; ++before)
                for (const std::string after : {"", "x", "tail of ascii"})
                    EXPECT_EQ(IsValidUtf8(std::string(before, 'a') + sequence + after), isValid)
                        << before << " " << sequence << after;
}
