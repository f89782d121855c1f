#include <gtest/gtest.h>

#include <tuple>

#include "render/DisplayPattern.h"

using namespace Tabulon;

// Swaps the decimal and group separators: the English form of Turkish text.
static std::string ToEnglish(std::string text) {
    for (char& c : text) c = c == ',' ? '.' : c == '.' ? ',' : c;
    return text;
}

TEST(DisplayPattern, FormatsFieldsInBothLocales) {
    // Halves go away from zero on the exact digits, never through binary floats; a
    // negative that rounds to zero has no sign. English gets the separators swapped.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"1234567,891", "#,##0", "1.234.568"},
        {"999,995", "#,##0.00", "1.000,00"},
        {"1,005", "#,##0.00", "1,01"},
        {"-1234,5", "#,##0.00", "-1.234,50"},
        {"-1234,5", "#,##0.00;(#,##0.00)", "(1.234,50)"},
        {"-0,001", "#,##0.00;(#,##0.00)", "0,00"},
        {"1234567", "000", "1234567"},
        {"41,6", "000000", "000042"},
        {"1234", "###", "1234"},
        {"  Kayseri", "#,##0.00", "  Kayseri"},
        {"12abc", "#,##0", "12abc"},
        {"(150)", "#,##0;(#,##0)", "(150)"}};
    for (const auto& [text, pattern, shown] : cases) {
        SCOPED_TRACE(text + " with \"" + pattern + "\"");
        EXPECT_EQ(FormatField(text, pattern, NumberLocale::Turkish()), shown);
        EXPECT_EQ(FormatField(ToEnglish(text), pattern, NumberLocale::English()), ToEnglish(shown));
    }
}

// In English "1.234,50" is no number: the group separator cannot follow the point.
TEST(DisplayPattern, FormatsCurrencyAmountsAndDates) {
    const NumberLocale tr = NumberLocale::Turkish(), en = NumberLocale::English();
    EXPECT_EQ(FormatField("1.234,50", "#,##0.00", en), "1.234,50");
    EXPECT_EQ(FormatField("1.234,5", "000000", tr), "001235");
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

// A loop over many fields writes each one in place after what it already
// holds, and is told which were numbers; a separator of more than one byte
// takes its full length.
TEST(DisplayPattern, AppendsFieldsAfterWhatIsAlreadyWritten) {
    NumberLocale spaced = NumberLocale::Turkish();
    spaced.groupSeparator = "\u00a0";
    const struct {
        const char* text;
        const char* pattern;
        const NumberLocale locale;
        const char* shown;
        bool number;
    } cases[] = {
        {"0", "#,##0.00;(#,##0.00);\"yok\"", NumberLocale::Turkish(), "\"yok\"", true},
        {"1234567,5", "#,##0.00 TL", spaced, "1\u00a0234\u00a0567,50 TL", true},
        {"12345678901234567,5", "#,##0", NumberLocale::Turkish(), "12.345.678.901.234.568", true},
        {"", "000000", NumberLocale::Turkish(), "", false},
        {"1234,5", "@", NumberLocale::Turkish(), "1234,5", false},
        // shapes at the edge of the plain number
        {"1.,5", "#,##0.00", NumberLocale::Turkish(), "1,50", true},
        {",5", "#,##0.00", NumberLocale::Turkish(), "0,50", true},
        {"+5", "#,##0.00", NumberLocale::Turkish(), "5,00", true},
        {" -42 ", "000000", NumberLocale::Turkish(), "-000042", true},
        {"-.5", "#,##0.00", NumberLocale::Turkish(), "-.5", false},
        {"1,5.3", "#,##0.00", NumberLocale::Turkish(), "1,5.3", false},
        {"1.234.567.890.123.456", "#,##0", NumberLocale::Turkish(), "1.234.567.890.123.456", true},
        {"000000000000000,5", "#,##0.00", NumberLocale::Turkish(), "0,50", true},
        {"1,23456789012345", "0.00", NumberLocale::Turkish(), "1,23", true}};
    for (const auto& c : cases) {
        std::string out = "Ali\t";
        EXPECT_EQ(AppendFormattedField(out, c.text, c.pattern, c.locale), c.number) << c.text;
        EXPECT_EQ(out, std::string("Ali\t") + c.shown) << c.text << " with " << c.pattern;
    }
}
