#include "core/DecimalNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace Tabulon {

namespace {

// Exponents beyond this are out of every range the program uses; capping them
// keeps a hostile "1E999999999" from building a giant digit string.
constexpr int MaxExponent = 400;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Makes sure there is at least one integer digit and no negative scale.
DecimalNumber Normalized(DecimalNumber n) {
    if (n.scale < 0) {
        n.digits.append(static_cast<size_t>(-n.scale), '0');
        n.scale = 0;
    }
    if (n.digits.size() <= static_cast<size_t>(n.scale))
        n.digits.insert(0, static_cast<size_t>(n.scale) + 1 - n.digits.size(), '0');
    size_t firstSignificant = 0;
    while (firstSignificant + 1 + static_cast<size_t>(n.scale) < n.digits.size() &&
           n.digits[firstSignificant] == '0')
        ++firstSignificant;
    n.digits.erase(0, firstSignificant);
    return n;
}

// Adds one unit in the last place of a digit string.
void Increment(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            return;
        }
    }
    digits.insert(digits.begin(), '1');
}

bool StartsWith(std::string_view text, size_t at, const std::string& piece) {
    // Separators are mostly one byte: compared as such, they cost nothing.
    if (piece.size() == 1) return at < text.size() && text[at] == piece[0];
    return !piece.empty() && text.substr(at, piece.size()) == piece;
}

// Reads "E-12" style exponents; returns the number of characters used (0: none).
size_t ReadExponent(std::string_view text, size_t at, int& exponent) {
    size_t i = at;
    if (i >= text.size() || (text[i] != 'e' && text[i] != 'E')) return 0;
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !IsDigit(text[i])) return 0;
    long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min<long>(value * 10 + (text[i] - '0'), 100000);
    exponent = static_cast<int>(negative ? -value : value);
    return i - at;
}

}  // namespace

bool DecimalNumber::IsZero() const {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

std::string DecimalNumber::IntegerDigits() const {
    DecimalNumber n = Normalized(*this);
    return n.digits.substr(0, n.digits.size() - n.scale);
}

std::string DecimalNumber::FractionDigits() const {
    DecimalNumber n = Normalized(*this);
    return n.digits.substr(n.digits.size() - n.scale);
}

DecimalNumber DecimalNumber::Rounded(int decimals, RoundingMode mode) const {
    DecimalNumber n = Normalized(*this);
    if (n.scale <= decimals) {
        n.digits.append(static_cast<size_t>(decimals - n.scale), '0');
        n.scale = decimals;
        return n;
    }
    const size_t keep = n.digits.size() - static_cast<size_t>(n.scale - decimals);
    const std::string dropped = n.digits.substr(keep);
    std::string kept = n.digits.substr(0, keep);
    const char first = dropped[0];
    const bool restNonZero =
        std::any_of(dropped.begin() + 1, dropped.end(), [](char c) { return c != '0'; });
    bool up = false;
    if (first > '5' || (first == '5' && restNonZero)) {
        up = true;
    } else if (first == '5') {
        up = mode == RoundingMode::HalfAwayFromZero || ((kept.back() - '0') % 2 == 1);
    }
    if (up) Increment(kept);
    n.digits = kept;
    n.scale = decimals;
    n = Normalized(n);
    if (n.IsZero()) n.negative = false;
    return n;
}

std::optional<int64_t> DecimalNumber::ToInt64(RoundingMode mode) const {
    const std::string whole = Rounded(0, mode).IntegerDigits();
    uint64_t magnitude = 0;
    for (char c : whole) {
        if (magnitude > (std::numeric_limits<uint64_t>::max() - 9) / 10) return std::nullopt;
        magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');
    }
    const uint64_t limit = negative ? static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + 1
                                    : static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    if (magnitude > limit) return std::nullopt;
    if (negative) return static_cast<int64_t>(0 - magnitude);
    return static_cast<int64_t>(magnitude);
}

// from_chars always reads "." as the decimal point; strtod would follow the C
// library's locale, which a Turkish system sets to ",". A value too large for a
// double becomes infinity, one too small zero.
double DecimalNumber::ToDouble() const {
    const std::string whole = IntegerDigits();
    const std::string text = whole + "." + FractionDigits() + "0";
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        value = whole.find_first_not_of('0') != std::string::npos ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

DecimalNumber ReadLeadingNumber(std::string_view text) {
    // Blanks may sit anywhere, even between digits.
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact.push_back(c);

    DecimalNumber n;
    n.digits.clear();
    size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
        n.negative = compact[i++] == '-';
    for (; i < compact.size() && IsDigit(compact[i]); ++i) n.digits.push_back(compact[i]);
    if (i < compact.size() && compact[i] == '.') {
        for (++i; i < compact.size() && IsDigit(compact[i]); ++i) {
            n.digits.push_back(compact[i]);
            ++n.scale;
        }
    }
    if (n.digits.empty()) return DecimalNumber{};
    if (i < compact.size() && (compact[i] == 'd' || compact[i] == 'D')) compact[i] = 'E';
    int exponent = 0;
    if (ReadExponent(compact, i, exponent) > 0)
        n.scale -= std::clamp(exponent, -MaxExponent, MaxExponent);
    n = Normalized(n);
    if (n.IsZero()) n.negative = false;
    return n;
}

int64_t ReadLeadingInteger(std::string_view text) {
    const DecimalNumber n = ReadLeadingNumber(text);
    if (auto value = n.ToInt64(RoundingMode::HalfEven)) return *value;
    return n.negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
}

std::optional<DecimalNumber> ParseLocaleNumber(std::string_view text, const NumberLocale& locale) {
    size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    text = text.substr(begin, end - begin);
    if (text.empty()) return std::nullopt;

    DecimalNumber n;
    n.digits.clear();
    if (text.front() == '(' && text.back() == ')') {
        n.negative = true;
        text = text.substr(1, text.size() - 2);
    } else if (text.front() == '-' || text.front() == '+') {
        n.negative = text.front() == '-';
        text.remove_prefix(1);
    } else if (text.back() == '-') {
        n.negative = true;
        text.remove_suffix(1);
    }

    size_t i = 0;
    bool sawDecimal = false;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            n.digits.push_back(text[i]);
            if (sawDecimal) ++n.scale;
            ++i;
        } else if (!sawDecimal && StartsWith(text, i, locale.decimalSeparator)) {
            sawDecimal = true;
            i += locale.decimalSeparator.size();
        } else if (!sawDecimal && !n.digits.empty() && StartsWith(text, i, locale.groupSeparator)) {
            i += locale.groupSeparator.size();
        } else {
            break;
        }
    }
    if (n.digits.empty()) return std::nullopt;
    int exponent = 0;
    const size_t used = ReadExponent(text, i, exponent);
    if (used > 0) {
        if (exponent > 308 || exponent < -MaxExponent) return std::nullopt;
        n.scale -= exponent;
        i += used;
    }
    if (i != text.size()) return std::nullopt;
    n = Normalized(n);
    if (n.IsZero()) n.negative = false;
    return n;
}

namespace {

// Numbers of the plain shape are read straight into their digits as an
// integer and the number of decimals, with at most maxDigits digits; anything
// else (exponents, parentheses, a sign at the end, longer digit runs) returns
// false and takes the general path.

// A separator as the loop compares it: one byte, as nearly every locale has,
// is compared as a byte; a longer one as text.
struct Separator {
    explicit Separator(const std::string& text)
        : text(text), byte(text.size() == 1 ? text[0] : '\0'), single(text.size() == 1) {}
    bool At(std::string_view line, size_t at) const {
        return single ? line[at] == byte : StartsWith(line, at, text);
    }
    const std::string& text;
    const char byte;
    const bool single;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads one run of digits onto `value`: the run's length. Unsigned, so that a
// run too long for the type wraps harmlessly before its length rejects it.
size_t ReadDigits(std::string_view text, size_t& i, uint64_t& value) {
    const size_t start = i;
    while (i < text.size() && IsDigit(text[i]))
        value = value * 10 + static_cast<unsigned>(text[i++] - '0');
    return i - start;
}

bool ReadPlainNumber(std::string_view text, const NumberLocale& locale, int maxDigits,
                     PlainNumber& number) {
    const Separator decimal(locale.decimalSeparator), group(locale.groupSeparator);
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number.negative = text[i++] == '-';
    uint64_t value = 0;
    size_t digits = ReadDigits(text, i, value);
    size_t decimals = 0;
    // Groups follow a digit; the decimal separator ends them.
    while (i < text.size()) {
        if (decimal.At(text, i)) {
            i += decimal.text.size();
            decimals = ReadDigits(text, i, value);
            digits += decimals;
            break;
        }
        if (digits == 0 || !group.At(text, i)) break;
        i += group.text.size();
        digits += ReadDigits(text, i, value);
    }
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (digits > static_cast<size_t>(maxDigits)) return false;
    number.digits = static_cast<int64_t>(value);
    number.decimals = static_cast<int>(decimals);
    return i == text.size() && digits > 0;
}

// Money needs at most four decimals here; more take the general path, which
// rounds them.
std::optional<Currency> ParsePlainCurrency(std::string_view text, const NumberLocale& locale) {
    PlainNumber number;
    if (!ReadPlainNumber(text, locale, 14, number) || number.decimals > 4) return std::nullopt;
    int64_t value = number.digits;
    for (int d = number.decimals; d < 4; ++d) value *= 10;
    return Currency{number.negative ? -value : value};
}

}  // namespace

std::optional<PlainNumber> ParsePlainNumber(std::string_view text, const NumberLocale& locale) {
    PlainNumber number;
    if (!ReadPlainNumber(text, locale, 15, number)) return std::nullopt;
    return number;
}

std::optional<double> ParseLocaleDouble(std::string_view text, const NumberLocale& locale) {
    // Up to 15 digits the integer and the power of ten are exact doubles, and
    // one division rounds their quotient to the nearest double, as reading
    // the decimal text does.
    static constexpr double Powers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    PlainNumber number;
    if (ReadPlainNumber(text, locale, 15, number)) {
        if (number.digits == 0) return 0.0;
        const double value = static_cast<double>(number.digits) / Powers[number.decimals];
        return number.negative ? -value : value;
    }
    const auto general = ParseLocaleNumber(text, locale);
    if (!general) return std::nullopt;
    return general->ToDouble();
}

std::optional<Currency> ParseLocaleCurrency(std::string_view text, const NumberLocale& locale) {
    std::optional<Currency> money = ParsePlainCurrency(text, locale);
    if (!money) {
        const auto number = ParseLocaleNumber(text, locale);
        if (!number) return std::nullopt;
        DecimalNumber scaled = number->Rounded(4, RoundingMode::HalfEven);
        scaled.scale = 0;  // the digits now count ten-thousandths
        const auto value = scaled.ToInt64(RoundingMode::HalfEven);
        if (!value) return std::nullopt;
        money = Currency{*value};
    }
    // The lowest value stands for a total that cannot be held: money keeps
    // to the symmetric range.
    if (money->Overflowed()) return std::nullopt;
    return money;
}

}  // namespace Tabulon
