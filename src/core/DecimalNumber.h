#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Currency.h"
#include "core/NumberLocale.h"

namespace Tabulon {

enum class RoundingMode { HalfEven, HalfAwayFromZero };

// An exact decimal value: digits x 10^-scale. Numbers read from report text pass
// through this type so that no binary floating point changes their last digit.
struct DecimalNumber {
    bool negative = false;
    std::string digits = "0";  // no sign, no separators; leading zeros allowed
    int scale = 0;             // how many of the digits are decimals

    bool IsZero() const;
    // The same value with exactly `decimals` decimals, rounded as asked.
    DecimalNumber Rounded(int decimals, RoundingMode mode) const;
    // Whole part digits and fraction digits of a value already at its scale.
    std::string IntegerDigits() const;
    std::string FractionDigits() const;
    // Rounded half to even to a whole number; nullopt outside the 64-bit range.
    std::optional<int64_t> ToInt64(RoundingMode mode) const;
    double ToDouble() const;
};

// The number a text begins with, the way numeric settings and width fields are
// read: "." is the decimal point whatever the locale, blanks are skipped,
// reading stops at the first character that cannot continue a number, and a
// text without one reads as 0.
DecimalNumber ReadLeadingNumber(std::string_view text);

// Leading number rounded half to even, held within 64 bits.
int64_t ReadLeadingInteger(std::string_view text);

// A whole text read as a number by the locale's rules (its decimal and group
// separators, a sign in front, parentheses for a negative value, an exponent).
// nullopt when the text is not a number in that locale.
std::optional<DecimalNumber> ParseLocaleNumber(std::string_view text, const NumberLocale& locale);

// The same number as the nearest double (ParseLocaleNumber's ToDouble),
// read without building its digits on the common path.
std::optional<double> ParseLocaleDouble(std::string_view text, const NumberLocale& locale);

// The common shape of numbers in report rows ("-1.234,56"): blanks around, a
// sign in front, digits with group separators before the decimal one, at
// most 15 digits in all: the sign, the digits as one integer and how many of
// them are decimals. nullopt for any other text, which the general reading
// above still reads when it is a number.
struct PlainNumber {
    bool negative = false;
    int64_t digits = 0;
    int decimals = 0;
};
std::optional<PlainNumber> ParsePlainNumber(std::string_view text, const NumberLocale& locale);

// The text as money with four decimals (rounded half to even), or nullopt when
// it is not a number in the locale or does not fit the currency range.
std::optional<Currency> ParseLocaleCurrency(std::string_view text, const NumberLocale& locale);

}  // namespace Tabulon
