#include <gtest/gtest.h>

#include "render/DisplayPattern.h"

namespace {

// Swaps the decimal and group separators: the English form of Turkish text.
std::string ToEnglish(std::string text) {
    for (char& c : text) c = c == ',' ? '.' : c == '.' ? ',' : c;
    return text;
}

TEST(DisplayPattern, FormatsFieldsInBothLocales) {
    // Fields as they come in a report, written the Turkish way; the English
    // locale gets the same text with the separators swapped, and must give
    // the same result with the separators swapped. Text that is not a number
    // stays what it was.
    const struct {
        const char* text;
        const char* pattern;
        const char* shown;
    } cases[] = {
        {"1234567,891", "#,##0", "1.234.568"},
        {"1234567,891", "#,##0.0", "1.234.567,9"},
        {"1234567,891", "#,##0.00", "1.234.567,89"},
        {"1234567,891", "#,##0.000", "1.234.567,891"},
        {"0", "#,##0.00", "0,00"},
        {"0,4", "#,##0", "0"},
        {"999,995", "#,##0.00", "1.000,00"},
        // Halves go away from zero on the exact digits, never through binary floats.
        {"1,005", "#,##0.00", "1,01"},
        {"2,5", "#,##0", "3"},
        {"-2,5", "#,##0", "-3"},
        {"-1234,5", "#,##0.00", "-1.234,50"},
        {"-1234,5", "#,##0.00;(#,##0.00)", "(1.234,50)"},
        {"1234,5", "#,##0.00;(#,##0.00)", "1.234,50"},
        // A negative value that rounds to zero shows no sign and no parentheses.
        {"-0,001", "#,##0.00;(#,##0.00)", "0,00"},
        {"42", "000000", "000042"},
        {"1234567", "000", "1234567"},
        {"41,6", "000000", "000042"},
        {"7", "###", "7"},
        {"1234", "###", "1234"},
        {"1234,5", "@", "1234,5"},
        {"1234,5", "", "1234,5"},
        {"  Kayseri", "#,##0.00", "  Kayseri"},
        {"12abc", "#,##0", "12abc"},
        {"", "#,##0.00", ""},
        {"(150)", "#,##0;(#,##0)", "(150)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " with \"" + c.pattern + "\"");
        EXPECT_EQ(FormatField(c.text, c.pattern, NumberLocale::Turkish()), c.shown);
        EXPECT_EQ(FormatField(ToEnglish(c.text), c.pattern, NumberLocale::English()),
                  ToEnglish(c.shown));
    }
}

TEST(DisplayPattern, TextThatIsNotANumberInTheLocaleStaysUnchanged) {
    // "1.234,50" is a number in Turkish but not in English, where the group
    // separator cannot follow the decimal point.
    EXPECT_EQ(FormatField("1.234,50", "#,##0.00", NumberLocale::English()), "1.234,50");
    EXPECT_EQ(FormatField("1.234,50", "#,##0.00", NumberLocale::Turkish()), "1.234,50");
    EXPECT_EQ(FormatField("1.234,5", "000000", NumberLocale::Turkish()), "001235");
}

TEST(DisplayPattern, FormatsCurrencyAmounts) {
    const NumberLocale tr = NumberLocale::Turkish();
    EXPECT_EQ(FormatCurrency(Currency{123456789}, "#,##0.00", tr), "12.345,68");
    EXPECT_EQ(FormatCurrency(Currency{-5000}, "#,##0.00;(#,##0.00)", tr), "(0,50)");
    EXPECT_EQ(FormatCurrency(Currency{5}, "#,##0.000", tr), "0,001");
    EXPECT_EQ(FormatCurrency(Currency{12345}, "", tr), "1,2345");
    EXPECT_EQ(FormatCurrency(Currency{-10000}, "@", tr), "-1");
    EXPECT_EQ(FormatCurrency(Currency{0}, "", tr), "0");
    // The whole 64-bit range shows without wrapping.
    EXPECT_EQ(FormatCurrency(Currency{INT64_MIN}, "#,##0", NumberLocale::English()),
              "-922,337,203,685,478");
}

TEST(DisplayPattern, OnlyGroupedPatternsAlignRight) {
    for (const char* pattern : {"#,##0", "#,##0.00;(#,##0.00)"})
        EXPECT_TRUE(IsRightAlignedPattern(pattern)) << pattern;
    for (const char* pattern : {"000000", "@", "", "###"})
        EXPECT_FALSE(IsRightAlignedPattern(pattern)) << pattern;
}

TEST(DisplayPattern, DateLineUsesTheLocaleTimeSeparator) {
    NumberLocale locale = NumberLocale::Turkish();
    EXPECT_EQ(FormatDateTime({2026, 3, 7, 9, 5}, locale), "07.03.2026 - 09:05");
    locale.timeSeparator = ".";
    EXPECT_EQ(FormatDateTime({2026, 12, 31, 23, 59}, locale), "31.12.2026 - 23.59");
}

}  // namespace
