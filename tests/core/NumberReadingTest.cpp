#include <gtest/gtest.h>

#include <clocale>

#include "core/Currency.h"
#include "core/DecimalNumber.h"
#include "core/Rounding.h"

namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const struct {
        double in;
        int32_t out;
    } cases[] = {{7.5, 8},   {8.5, 8},    {58.5, 58}, {57.5, 58},        {-2.5, -2},
                 {-3.5, -4}, {58.08, 58}, {0.49, 0},  {1e12, INT32_MAX}, {-1e12, INT32_MIN}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

TEST(ReadLeadingInteger, ReadsTheNumberATextBeginsWith) {
    const struct {
        const char* text;
        int64_t value;
    } cases[] = {
        {"12", 12},
        {"12.5", 12},
        {"13.5", 14},
        {" 1 2 ", 12},
        {"6abc", 6},
        {"abc", 0},
        {"", 0},
        {"-7", -7},
        {"+3", 3},
        {"1,5", 1},
        {"2.5", 2},
        {"3.50001", 4},
        {".5", 0},
        {"1e3", 1000},
        {"1D2", 100},
        {"1e", 1},
        {"--1", 0},
        {"11906", 11906},
        {"\t42\t", 42},
        {"99999999999999999999999", INT64_MAX},
        {"-1e400", INT64_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadLeadingInteger(c.text), c.value) << c.text;
}

TEST(ParseLocaleCurrency, FollowsTheLocaleSeparators) {
    const NumberLocale tr = NumberLocale::Turkish();
    const NumberLocale en = NumberLocale::English();
    const struct {
        const char* text;
        const NumberLocale* locale;
        std::optional<int64_t> scaled;
    } cases[] = {
        {"1.234,50", &tr, 12345000},
        {"1,234.50", &en, 12345000},
        {"-12,5", &tr, -125000},
        {"(12,50)", &tr, -125000},
        {"12-", &tr, -120000},
        {" 7 ", &tr, 70000},
        {"0,00005", &tr, 0},
        {"0,00015", &tr, 2},
        {"0,00025", &tr, 2},
        {"1e2", &en, 1000000},
        {"", &tr, std::nullopt},
        {"abc", &tr, std::nullopt},
        {"12a", &tr, std::nullopt},
        {"1,2,3", &tr, std::nullopt},
        {",5", &tr, 5000},
        {"922337203685477,5807", &tr, INT64_MAX},
        {"922337203685477,5808", &tr, std::nullopt},
        {"1e400", &en, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto value = ParseLocaleCurrency(c.text, *c.locale);
        if (c.scaled) {
            ASSERT_TRUE(value.has_value()) << c.text;
            EXPECT_EQ(value->scaled, *c.scaled) << c.text;
        } else {
            EXPECT_FALSE(value.has_value()) << c.text;
        }
    }
}

TEST(DecimalNumber, RoundsOnTheExactDecimalValue) {
    const NumberLocale en = NumberLocale::English();
    const struct {
        const char* text;
        int decimals;
        RoundingMode mode;
        const char* integer;
        const char* fraction;
    } cases[] = {
        {"1.005", 2, RoundingMode::HalfAwayFromZero, "1", "01"},
        {"1.005", 2, RoundingMode::HalfEven, "1", "00"},
        {"1.015", 2, RoundingMode::HalfEven, "1", "02"},
        {"9.995", 2, RoundingMode::HalfAwayFromZero, "10", "00"},
        {"-0.004", 2, RoundingMode::HalfAwayFromZero, "0", "00"},
        {"123", 3, RoundingMode::HalfEven, "123", "000"},
        {"0.5", 0, RoundingMode::HalfAwayFromZero, "1", ""},
    };
    for (const auto& c : cases) {
        const DecimalNumber rounded = ParseLocaleNumber(c.text, en)->Rounded(c.decimals, c.mode);
        EXPECT_EQ(rounded.IntegerDigits(), c.integer) << c.text;
        EXPECT_EQ(rounded.FractionDigits(), c.fraction) << c.text;
    }
    EXPECT_FALSE(ParseLocaleNumber("-0.004", en)->Rounded(2, RoundingMode::HalfEven).negative);
}

TEST(Currency, SumsSaturateAndPrintWithFourDecimals) {
    EXPECT_EQ(CurrencyToPlainText(Currency{12345000}), "1234.5000");
    EXPECT_EQ(CurrencyToPlainText(Currency{-125000}), "-12.5000");
    EXPECT_EQ(CurrencyToPlainText(Currency{-5}), "-0.0005");
    EXPECT_EQ(CurrencyToPlainText(Currency{INT64_MIN}), "-922337203685477.5808");
    EXPECT_EQ(AddCurrency(Currency{INT64_MAX}, Currency{1}).scaled, INT64_MAX);
    EXPECT_EQ(AddCurrency(Currency{INT64_MIN}, Currency{-1}).scaled, INT64_MIN);
    EXPECT_EQ(AddCurrency(Currency{5}, Currency{-7}).scaled, -2);
}

}  // namespace

namespace {

TEST(DecimalNumber, ToDoubleIgnoresTheCLibraryLocale) {
    // A Turkish C library locale reads "," as the decimal point; the value must not change.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "tr_TR.UTF-8");  // where installed
    const NumberLocale en = NumberLocale::English();
    EXPECT_DOUBLE_EQ(ParseLocaleNumber("1234.56", en)->ToDouble(), 1234.56);
    EXPECT_DOUBLE_EQ(ParseLocaleNumber("-0.5", en)->ToDouble(), -0.5);
    EXPECT_EQ(ParseLocaleNumber("1e308", en)->ToDouble(), 1e308);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
