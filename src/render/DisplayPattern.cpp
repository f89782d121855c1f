#include "render/DisplayPattern.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace Tabulon {

namespace {

// The few patterns of a report format every field, so each is read once per
// thread and kept, not read again for every field.
const PatternSections& Compiled(std::string_view pattern) {
    struct Entry {
        std::string pattern;
        PatternSections sections;
    };
    constexpr size_t Kept = 8;
    thread_local std::array<Entry, Kept> kept;
    thread_local size_t used = 0, next = 0;
    for (size_t i = 0; i < used; ++i)
        if (kept[i].pattern == pattern) return kept[i].sections;
    Entry& entry = kept[next];
    next = (next + 1) % Kept;
    used = std::min(used + 1, Kept);
    entry.pattern.assign(pattern);
    entry.sections = ReadSections(pattern);
    return entry.sections;
}

constexpr std::array<uint64_t, 16> PowersOfTen = {1,
                                                  10,
                                                  100,
                                                  1000,
                                                  10000,
                                                  100000,
                                                  1000000,
                                                  10000000,
                                                  100000000,
                                                  1000000000,
                                                  10000000000,
                                                  100000000000,
                                                  1000000000000,
                                                  10000000000000,
                                                  100000000000000,
                                                  1000000000000000};

// A plain number's magnitude held as digits with so many of them decimals.
struct Fixed {
    uint64_t digits = 0;
    int decimals = 0;
};

// Rounded half away from zero to at most `wanted` decimals; fewer decimals
// stay as they are, the layout pads them.
Fixed RoundFixed(Fixed value, int wanted) {
    if (value.decimals <= wanted) return value;
    const uint64_t divisor = PowersOfTen[static_cast<size_t>(value.decimals - wanted)];
    const uint64_t rest = value.digits % divisor;
    return {value.digits / divisor + (rest >= divisor - rest ? 1 : 0), wanted};
}

// How many digits a whole number has (none for zero).
size_t DigitCount(uint64_t whole) {
    size_t count = 0;
    while (count < PowersOfTen.size() && whole >= PowersOfTen[count]) ++count;
    return count;
}

// The same layout as Layout below, from the digits of a plain number, with
// no decimal digits built: what nearly every field of a report takes. The
// text's length is counted first and the text then written in place at the
// end of `out` (in a copy of many fields a long text with room to spare),
// back to front, so that each digit goes where it belongs as it is found.
void AppendFixed(std::string& out, Fixed value, const PatternSection& s, const NumberLocale& locale,
                 bool minus = false) {
    const uint64_t scale = PowersOfTen[static_cast<size_t>(value.decimals)];
    uint64_t whole = value.digits / scale, fraction = value.digits - whole * scale;
    const size_t length = DigitCount(whole);
    const size_t padded = std::max(length, static_cast<size_t>(s.minIntegerDigits));
    const std::string_view group = locale.groupSeparator, point = locale.decimalSeparator;
    const size_t groups = s.grouped && padded > 0 ? (padded - 1) / 3 : 0;
    size_t shown = 0, decimals = 0;
    if (s.hasDecimalPoint) {
        shown = static_cast<size_t>(value.decimals);
        for (; shown > static_cast<size_t>(s.minDecimals) && fraction % 10 == 0; --shown)
            fraction /= 10;
        decimals = std::max(shown, static_cast<size_t>(s.minDecimals));
    }

    const size_t start = out.size();
    out.resize(start + (minus ? 1 : 0) + s.prefix.size() + padded + groups * group.size() +
               (s.hasDecimalPoint ? point.size() + decimals : 0) + s.suffix.size());
    char* at = out.data() + out.size();
    const auto put = [&at](std::string_view text) {
        at -= text.size();
        std::memcpy(at, text.data(), text.size());
    };
    put(s.suffix);
    if (s.hasDecimalPoint) {
        at -= decimals - shown;
        std::memset(at, '0', decimals - shown);
        for (size_t i = 0; i < shown; ++i, fraction /= 10)
            *--at = static_cast<char>('0' + fraction % 10);
        put(point);
    }
    for (size_t i = 0; i < padded; ++i, whole /= 10) {
        if (groups > 0 && i > 0 && i % 3 == 0) put(group);
        *--at = static_cast<char>('0' + whole % 10);  // zeros once the digits run out
    }
    put(s.prefix);
    if (minus) *--at = '-';
}

// The shape nearly every number field has, read without leaving the loop
// that formats it: a minus or not, digits with the locale's one-byte group
// separator after any of them, and a decimal part; at most 15 digits. It
// answers as ParsePlainNumber does for what it takes; whatever else (blanks,
// a plus, longer separators) goes the long way.
bool ReadCommonNumber(std::string_view text, const NumberLocale& locale, PlainNumber& number) {
    if (locale.decimalSeparator.size() != 1 || locale.groupSeparator.size() != 1) return false;
    const char point = locale.decimalSeparator[0], group = locale.groupSeparator[0];
    number.negative = !text.empty() && text[0] == '-';
    uint64_t value = 0;
    int digits = 0, decimals = 0;
    bool afterPoint = false;
    for (size_t i = number.negative ? 1 : 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            value = value * 10 + static_cast<unsigned>(c - '0');
            ++digits;
            decimals += afterPoint ? 1 : 0;
        } else if (c == point && !afterPoint) {
            afterPoint = true;
        } else if (c != group || afterPoint || digits == 0) {
            return false;
        }
    }
    if (digits == 0 || digits > 15) return false;
    number.digits = static_cast<int64_t>(value);
    number.decimals = decimals;
    return true;
}

// Which section shows a value and the magnitude rounded for it: the third
// for what rounds to zero, the second for a negative that does not, else the
// first with a minus before it. The sign is decided on the value as shown:
// -0.001 with two decimals is 0,00. Serves both the digits of a plain number
// and a decimal number of any length.
template <typename Magnitude>
struct SectionChoice {
    const PatternSection& section;
    Magnitude magnitude;
    bool minus;
};

template <typename Magnitude, typename Round, typename IsZero>
SectionChoice<Magnitude> ChooseSection(const Magnitude& magnitude, bool negativeValue,
                                       const PatternSections& sections, Round round,
                                       IsZero isZero) {
    const PatternSection& positive = sections.section[0];
    const Magnitude rounded = round(magnitude, positive.decimals);
    const bool negative = negativeValue && !isZero(rounded);
    if (isZero(rounded) && sections.count >= 3 && !sections.emptyText[2]) {
        const PatternSection& s = sections.section[2];
        return {s, round(magnitude, s.decimals), false};
    }
    if (negative && sections.count >= 2 && !sections.emptyText[1]) {
        const PatternSection& s = sections.section[1];
        const Magnitude r = round(magnitude, s.decimals);
        if (!isZero(r)) return {s, r, false};
    }
    return {positive, rounded, negative};
}

// FormatNumber for a plain number, written in place.
void AppendPlain(std::string& out, const PlainNumber& number, const PatternSections& sections,
                 const NumberLocale& locale) {
    const auto chosen =
        ChooseSection(Fixed{static_cast<uint64_t>(number.digits), number.decimals}, number.negative,
                      sections, RoundFixed, [](const Fixed& value) { return value.digits == 0; });
    AppendFixed(out, chosen.magnitude, chosen.section, locale, chosen.minus);
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
std::string Layout(const DecimalNumber& magnitude, const PatternSection& s,
                   const NumberLocale& locale) {
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

// FormatNumber with its pattern read.
std::string FormatWith(const DecimalNumber& value, const PatternSections& sections,
                       const NumberLocale& locale) {
    DecimalNumber magnitude = value;
    magnitude.negative = false;
    const auto chosen = ChooseSection(
        magnitude, value.negative, sections,
        [](const DecimalNumber& n, int decimals) {
            return n.Rounded(decimals, RoundingMode::HalfAwayFromZero);
        },
        [](const DecimalNumber& n) { return n.IsZero(); });
    return (chosen.minus ? "-" : "") + Layout(chosen.magnitude, chosen.section, locale);
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
    return FormatWith(value, Compiled(pattern), locale);
}

std::string FormatCurrency(Currency value, std::string_view pattern, const NumberLocale& locale) {
    if (value.Overflowed()) return std::string(OverflowMark);
    return FormatNumber(CurrencyToDecimal(value), pattern, locale);
}

std::string FormatField(std::string_view text, std::string_view pattern,
                        const NumberLocale& locale) {
    std::string out;
    AppendFormattedField(out, text, pattern, locale);
    return out;
}

bool AppendFormattedField(std::string& out, std::string_view text, std::string_view pattern,
                          const NumberLocale& locale) {
    if (pattern.empty() || pattern == "@") {
        out += text;
        return false;
    }
    return AppendFormattedField(out, text, Compiled(pattern), locale);
}

bool AppendFormattedField(std::string& out, std::string_view text, const PatternSections& sections,
                          const NumberLocale& locale) {
    if (!sections.asIs) {
        if (PlainNumber common; ReadCommonNumber(text, locale, common)) {
            AppendPlain(out, common, sections, locale);
            return true;
        }
        if (const auto plain = ParsePlainNumber(text, locale)) {
            AppendPlain(out, *plain, sections, locale);
            return true;
        }
        if (const auto number = ParseLocaleNumber(text, locale)) {
            out += FormatWith(*number, sections, locale);
            return true;
        }
    }
    out += text;
    return false;
}

std::string FormatDateTime(const ClockReading& now, const NumberLocale& locale) {
    char date[32], hour[8], minute[8];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d - ", now.day, now.month, now.year);
    std::snprintf(hour, sizeof hour, "%02d", now.hour);
    std::snprintf(minute, sizeof minute, "%02d", now.minute);
    return std::string(date) + hour + locale.timeSeparator + minute;
}

}  // namespace Tabulon
