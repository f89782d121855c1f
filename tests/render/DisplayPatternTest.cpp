#include <gtest/gtest.h>

#include <tuple>

#include "render/DisplayPattern.h"

using namespace Tabulon;

// Swaps the decimal and group separators: the English form of Turkish text.
static std::string ToEnglish(std::string text) {
    for (char& c : text) c = c == ',' ? '.' : c == '.' ? ',' : c;
    return text;
}

// Halves go away from zero on the exact digits, never through binary floats; a
// negative that rounds to zero has no sign. A loop over many fields writes each
// one in place after what it already holds, and is told which were numbers.
// English gets the separators swapped.
TEST(DisplayPattern, AppendsFieldsInBothLocales) {
    const std::tuple<std::string, std::string, std::string, bool> cases[] = {
        {"1234567,891", "#,##0", "1.234.568", true},
        {"999,995", "#,##0.00", "1.000,00", true},
        {"1,005", "#,##0.00", "1,01", true},
        {"-1234,5", "#,##0.00", "-1.234,50", true},
        {"-1234,5", "#,##0.00;(#,##0.00)", "(1.234,50)", true},
        {"-0,001", "#,##0.00;(#,##0.00)", "0,00", true},
        {"0", "#,##0.00;(#,##0.00);\"yok\"", "\"yok\"", true},
        {"1234567", "000", "1234567", true},
        {"41,6", "000000", "000042", true},
        {"1234", "###", "1234", true},
        {"12345678901234567,5", "#,##0", "12.345.678.901.234.568", true},
        {"(150)", "#,##0;(#,##0)", "(150)", true},
        {"  Kayseri", "#,##0.00", "  Kayseri", false},
        {"12abc", "#,##0", "12abc", false},
        {"", "000000", "", false},
        {"1234,5", "@", "1234,5", false},
        // shapes at the edge of the plain number
        {"1.,5", "#,##0.00", "1,50", true},
        {",5", "#,##0.00", "0,50", true},
        {"+5", "#,##0.00", "5,00", true},
        {" -42 ", "000000", "-000042", true},
        {"-.5", "#,##0.00", "-.5", false},
        {"1,5.3", "#,##0.00", "1,5.3", false},
        {"1.234.567.890.123.456", "#,##0", "1.234.567.890.123.456", true},
        {"000000000000000,5", "#,##0.00", "0,50", true},
        {"1,23456789012345", "0.00", "1,23", true}};
    for (const auto& [text, pattern, shown, number] : cases) {
        SCOPED_TRACE(text + " with \"" + pattern + "\"");
        for (const bool english : {false, true}) {
            const auto locale = english ? NumberLocale::English() : NumberLocale::Turkish();
            std::string out = "Ali\t";
            EXPECT_EQ(AppendFormattedField(out, english ? ToEnglish(text) : text, pattern, locale),
                      number);
            EXPECT_EQ(out, "Ali\t" + (english ? ToEnglish(shown) : shown)) << english;
        }
    }
    // A group separator of more than one byte takes its full length.
    NumberLocale spaced = NumberLocale::Turkish();
    spaced.groupSeparator = "\u00a0";
    std::string out = "Ali\t";
    EXPECT_TRUE(AppendFormattedField(out, "1234567,5", "#,##0.00 TL", spaced));
    EXPECT_EQ(out, "Ali\t1\u00a0234\u00a0567,50 TL");
}

TEST(DisplayPattern, FormatsCurrencyAmountsAndDates) {
    const NumberLocale tr = NumberLocale::Turkish(), en = NumberLocale::English();
    const std::tuple<int64_t, const char*, const char*> amounts[] = {
        {123456789, "#,##0.00", "12.345,68"},
        {-5000, "#,##0.00;(#,##0.00)", "(0,50)"},
        {5, "#,##0.000", "0,001"},
        {12345, "", "1,2345"},
        {-10000, "@", "-1"},
        {0, "", "0"}};
    for (const auto& [scaled, pattern, shown] : amounts)
        EXPECT_EQ(FormatCurrency(Currency{scaled}, pattern, tr), shown) << scaled;
    EXPECT_EQ(FormatCurrency(Currency{INT64_MIN + 1}, "#,##0", en), "-922,337,203,685,478");
    NumberLocale dots = tr;
    dots.timeSeparator = ".";
    EXPECT_EQ(FormatDateTime({2026, 12, 31, 23, 59}, dots), "31.12.2026 - 23.59");
}
