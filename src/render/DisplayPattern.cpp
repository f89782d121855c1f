#include "render/DisplayPattern.h"

#include <cstdio>
#include <vector>

namespace {

// One section of a pattern, cut into the text around the number and the
// number's own layout.
struct Section {
    std::string prefix, suffix;
    int minIntegerDigits = 0;  // "0" placeholders before the decimal point
    bool grouped = false;
    bool hasDecimalPoint = false;
    int decimals = 0;     // placeholders after the decimal point
    int minDecimals = 0;  // "0" placeholders after the decimal point
};

Section ReadSection(std::string_view text) {
    Section s;
    size_t first = text.size(), last = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '0' || text[i] == '#') {
            if (first == text.size()) first = i;
            last = i;
        }
    }
    if (first == text.size()) {  // no digit placeholder: the whole section is text
        s.prefix = std::string(text);
        return s;
    }
    // A decimal point right after the last digit still belongs to the number.
    if (last + 1 < text.size() && text[last + 1] == '.') ++last;
    s.prefix = std::string(text.substr(0, first));
    s.suffix = std::string(text.substr(last + 1));
    bool afterPoint = false;
    bool pendingComma = false;
    for (size_t i = first; i <= last; ++i) {
        const char c = text[i];
        if (c == '.') {
            if (!afterPoint) {
                afterPoint = true;
                s.hasDecimalPoint = true;
            }
        } else if (c == ',') {
            if (!afterPoint) pendingComma = true;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                ++s.decimals;
                if (c == '0') s.minDecimals = s.decimals;
            } else {
                // A comma counts as grouping only between digit placeholders.
                if (pendingComma) s.grouped = true;
                pendingComma = false;
                if (c == '0') ++s.minIntegerDigits;
            }
        }
    }
    return s;
}

std::vector<std::string_view> SplitSections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    size_t start = 0;
    for (;;) {
        const size_t semicolon = pattern.find(';', start);
        if (semicolon == std::string_view::npos) {
            sections.push_back(pattern.substr(start));
            return sections;
        }
        sections.push_back(pattern.substr(start, semicolon - start));
        start = semicolon + 1;
    }
}

std::string Grouped(const std::string& digits, const std::string& separator) {
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out.push_back(digits[i]);
    }
    return out;
}

// The magnitude of an already rounded value laid out by one section.
std::string Layout(const DecimalNumber& magnitude, const Section& s, const NumberLocale& locale) {
    std::string integer = magnitude.IntegerDigits();
    const size_t nonZero = integer.find_first_not_of('0');
    integer = nonZero == std::string::npos ? "" : integer.substr(nonZero);
    if (static_cast<int>(integer.size()) < s.minIntegerDigits)
        integer.insert(0, static_cast<size_t>(s.minIntegerDigits) - integer.size(), '0');
    if (s.grouped) integer = Grouped(integer, locale.groupSeparator);

    std::string fraction = magnitude.FractionDigits();
    while (static_cast<int>(fraction.size()) > s.minDecimals && !fraction.empty() &&
           fraction.back() == '0')
        fraction.pop_back();

    std::string out = s.prefix + integer;
    if (s.hasDecimalPoint) out += locale.decimalSeparator + fraction;
    return out + s.suffix;
}

// The plain form of a number: all its digits, no grouping, no trailing zeros.
std::string Plain(const DecimalNumber& value, const NumberLocale& locale) {
    std::string integer = value.IntegerDigits();
    const size_t nonZero = integer.find_first_not_of('0');
    integer = nonZero == std::string::npos ? "0" : integer.substr(nonZero);
    std::string fraction = value.FractionDigits();
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    const bool zero = integer == "0" && fraction.empty();
    std::string out = (value.negative && !zero ? "-" : "") + integer;
    if (!fraction.empty()) out += locale.decimalSeparator + fraction;
    return out;
}

}  // namespace

bool IsRightAlignedPattern(std::string_view pattern) {
    return pattern.substr(0, 3) == "#,#";
}

DecimalNumber CurrencyToDecimal(Currency value) {
    DecimalNumber n;
    n.negative = value.scaled < 0;
    const uint64_t magnitude =
        n.negative ? 0 - static_cast<uint64_t>(value.scaled) : static_cast<uint64_t>(value.scaled);
    n.digits = std::to_string(magnitude);
    n.scale = 4;
    return n.Rounded(4, RoundingMode::HalfEven);  // adds the leading zeros of small amounts
}

std::string FormatNumber(const DecimalNumber& value, std::string_view pattern,
                         const NumberLocale& locale) {
    if (pattern.empty() || pattern == "@") return Plain(value, locale);
    const std::vector<std::string_view> sections = SplitSections(pattern);
    const Section positive = ReadSection(sections[0]);

    // The sign is decided on the value as shown: -0.001 with two decimals is 0,00.
    DecimalNumber magnitude = value;
    magnitude.negative = false;
    const DecimalNumber rounded =
        magnitude.Rounded(positive.decimals, RoundingMode::HalfAwayFromZero);
    const bool negative = value.negative && !rounded.IsZero();
    const bool zero = rounded.IsZero();

    if (zero && sections.size() >= 3 && !sections[2].empty()) {
        const Section s = ReadSection(sections[2]);
        return Layout(magnitude.Rounded(s.decimals, RoundingMode::HalfAwayFromZero), s, locale);
    }
    if (negative && sections.size() >= 2 && !sections[1].empty()) {
        const Section s = ReadSection(sections[1]);
        const DecimalNumber r = magnitude.Rounded(s.decimals, RoundingMode::HalfAwayFromZero);
        if (!r.IsZero()) return Layout(r, s, locale);
    }
    return (negative ? "-" : "") + Layout(rounded, positive, locale);
}

std::string FormatCurrency(Currency value, std::string_view pattern, const NumberLocale& locale) {
    if (value.Overflowed()) return std::string(OverflowMark);
    return FormatNumber(CurrencyToDecimal(value), pattern, locale);
}

std::string FormatField(std::string_view text, std::string_view pattern,
                        const NumberLocale& locale) {
    if (pattern.empty() || pattern == "@") return std::string(text);
    const auto number = ParseLocaleNumber(text, locale);
    if (!number) return std::string(text);
    return FormatNumber(*number, pattern, locale);
}

std::string FormatDateTime(const ClockReading& now, const NumberLocale& locale) {
    char date[32], hour[8], minute[8];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d - ", now.day, now.month, now.year);
    std::snprintf(hour, sizeof hour, "%02d", now.hour);
    std::snprintf(minute, sizeof minute, "%02d", now.minute);
    return std::string(date) + hour + locale.timeSeparator + minute;
}
