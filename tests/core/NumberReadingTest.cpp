#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <sstream>
#include <tuple>

#include "core/Currency.h"
#include "core/DecimalNumber.h"

using namespace Tabulon;

constexpr int64_t Max = INT64_MAX, Min = INT64_MIN;

TEST(ReadLeadingInteger, ReadsTheNumberATextBeginsWith) {
    const std::pair<const char*, int64_t> cases[] = {
        {"12.5", 12}, {"13.5", 14}, {" 1 2 ", 12}, {"6abc", 6},    {"abc", 0},     {"", 0},
        {"-7", -7},   {"+3", 3},    {"1,5", 1},    {"3.50001", 4}, {".5", 0},      {"1e3", 1000},
        {"1D2", 100}, {"1e", 1},    {"--1", 0},    {"\t42\t", 42}, {"1e400", Max}, {"-1e400", Min}};
    for (const auto& [text, value] : cases) EXPECT_EQ(ReadLeadingInteger(text), value) << text;
}

TEST(ParseLocaleCurrency, FollowsTheLocaleSeparators) {
    const NumberLocale tr = NumberLocale::Turkish(), en = NumberLocale::English();
    auto scaled = [](std::optional<Currency> value) { return value.value_or(Currency{-1}).scaled; };
    const std::pair<const char*, int64_t> turkish[] = {
        {"1.234,50", 12345000}, {"-12,5", -125000}, {"(12,50)", -125000}, {"12-", -120000},
        {" 7 ", 70000},         {"0,00005", 0},     {"0,00015", 2},       {",5", 5000}};
    for (const auto& [text, value] : turkish)
        EXPECT_EQ(scaled(ParseLocaleCurrency(text, tr)), value) << text;
    EXPECT_EQ(scaled(ParseLocaleCurrency("1,234.50", en)), 12345000);
    EXPECT_EQ(scaled(ParseLocaleCurrency("1e2", en)), 1000000);
    // The 64-bit range of four-decimal amounts, kept symmetric (the lowest
    // value marks a total that cannot be held), and not one step more.
    EXPECT_EQ(scaled(ParseLocaleCurrency("922337203685477,5807", tr)), Max);
    EXPECT_EQ(scaled(ParseLocaleCurrency("-922337203685477,5807", tr)), Min + 1);
    // A group separator follows a digit: ".5" is no number.
    for (const char* bad : {"", "abc", "12a", "1,2,3", ".5", "-.5", "922337203685477,5808",
                            "-922337203685477,5808", "-922.337.203.685.477,58075"})
        EXPECT_FALSE(ParseLocaleCurrency(bad, tr)) << bad;
    EXPECT_FALSE(ParseLocaleCurrency("1e400", en));
}

// The quick reading gives the exact reading's double whatever the C library's
// locale (a Turkish one reads "," as the point).
TEST(ParseLocaleDouble, MatchesTheExactReadingToTheBit) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "tr_TR.UTF-8");
    const NumberLocale tr = NumberLocale::Turkish();
    std::istringstream cases(
        "1.234,50|-0,1|0,3|-0,00| 42 "
        "|999999999999999|9999999999999999|0,123456789012345|1,7976931348623157|(12,50)|12-|1,5E3|+"
        "7,25");
    for (std::string text; std::getline(cases, text, '|');) {
        const auto exact = ParseLocaleNumber(text, tr);
        const auto quick = ParseLocaleDouble(text, tr);
        ASSERT_TRUE(exact && quick) << text;
        EXPECT_EQ(std::bit_cast<uint64_t>(*quick), std::bit_cast<uint64_t>(exact->ToDouble()))
            << text;
    }
    for (const char* bad : {"", "abc", "12a", "1,2,3", "-", "1.2,3,4"})
        EXPECT_FALSE(ParseLocaleDouble(bad, tr)) << bad;
    EXPECT_EQ(ParseLocaleNumber("1e308", NumberLocale::English())->ToDouble(), 1e308);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

// A sum that leaves the range is marked as such for good, never a number
// stuck at the range's edge.
TEST(Currency, SumsOutOfRangeAreMarkedForGood) {
    const Currency over = Currency::Overflow();
    const std::tuple<Currency, Currency, Currency> sums[] = {
        {Currency{INT64_MAX}, Currency{1}, over},
        {Currency{INT64_MIN + 1}, Currency{-1}, over},
        {Currency{INT64_MAX}, Currency{-1}, Currency{INT64_MAX - 1}}};
    for (const auto& [a, b, sum] : sums) EXPECT_EQ(AddCurrency(a, b), sum) << a.scaled;
}
