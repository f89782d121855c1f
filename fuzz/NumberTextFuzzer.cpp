// Number reading and display on arbitrary text: leading numbers, locale
// numbers, money, text decoding and the display patterns the loader gives
// columns must never crash and must agree with one another: money reads as
// the number rounded to four decimals, and a number shown by a pattern reads
// back as the number rounded as the pattern shows it; a field shows as the
// number it reads as.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdlib>
#include <string>

#include "core/DecimalNumber.h"
#include "core/TextEncoding.h"
#include "render/DisplayPattern.h"

using namespace Tabulon;

namespace {

// Equal values: the same sign (zero has none) and digits, leading zeros aside.
bool SameValue(const DecimalNumber& a, const DecimalNumber& b) {
    auto integer = [](const DecimalNumber& n) {
        const std::string digits = n.IntegerDigits();
        const size_t first = digits.find_first_not_of('0');
        return first == std::string::npos ? std::string() : digits.substr(first);
    };
    if (a.scale != b.scale || a.FractionDigits() != b.FractionDigits()) return false;
    if (integer(a) != integer(b)) return false;
    return a.IsZero() || a.negative == b.negative;
}

struct Pattern {
    std::string text;
    int decimals;  // as the pattern shows a number
};

// A number shown by a pattern reads back as the number rounded as shown.
void CheckShownReadsBack(const DecimalNumber& number, const Pattern& pattern,
                         const NumberLocale& locale) {
    const std::string shown = FormatNumber(number, pattern.text, locale);
    if (!IsValidUtf8(shown)) std::abort();
    const DecimalNumber expected = number.Rounded(pattern.decimals, RoundingMode::HalfAwayFromZero);
    // "###" shows nothing at all for zero.
    if (shown.empty() && expected.IsZero()) return;
    const auto read = ParseLocaleNumber(shown, locale);
    if (!read) std::abort();
    if (!SameValue(read->Rounded(pattern.decimals, RoundingMode::HalfEven), expected)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int zeros = input.ConsumeIntegralInRange<int>(0, 50);
    const std::string text = input.ConsumeRemainingBytesAsString();

    ReadLeadingInteger(text);
    const std::string utf8 = DecodeReportLine(text);
    if (!IsValidUtf8(utf8)) std::abort();
    if (IsValidUtf8(text) && utf8 != text) std::abort();
    if (CutUtf8(utf8, 510).size() > 510 || !IsValidUtf8(CutUtf8(utf8, 510))) std::abort();

    // The patterns of the format letters, and the zero-padded one of a width.
    const std::array<Pattern, 7> patterns = {{{std::string(static_cast<size_t>(zeros), '0'), 0},
                                              {"#,##0", 0},
                                              {"#,##0.0", 1},
                                              {"#,##0.00", 2},
                                              {"#,##0.000", 3},
                                              {"#,##0.00;(#,##0.00)", 2},
                                              {"###", 0}}};
    const NumberLocale narrowSpace{",", "\u202F", ":"};
    for (const NumberLocale& locale :
         {NumberLocale::Turkish(), NumberLocale::English(), narrowSpace}) {
        const auto number = ParseLocaleNumber(utf8, locale);
        const auto money = ParseLocaleCurrency(utf8, locale);
        if (money && !number) std::abort();
        if (money &&
            !SameValue(CurrencyToDecimal(*money), number->Rounded(4, RoundingMode::HalfEven)))
            std::abort();
        for (const char* shownAsIs : {"", "@"})
            if (FormatField(utf8, shownAsIs, locale) != utf8) std::abort();
        if (!number) {
            if (FormatField(utf8, "#,##0.00", locale) != utf8) std::abort();
            continue;
        }
        for (const Pattern& pattern : patterns) {
            if (pattern.text.empty()) continue;  // shown as is
            CheckShownReadsBack(*number, pattern, locale);
            // A field of the plain shape is shown without its digits being
            // built: exactly as the number it reads as.
            if (FormatField(utf8, pattern.text, locale) !=
                FormatNumber(*number, pattern.text, locale))
                std::abort();
        }
        if (money) {
            const std::string shown = FormatCurrency(*money, "#,##0.00;(#,##0.00)", locale);
            if (!IsValidUtf8(shown) || !ParseLocaleNumber(shown, locale)) std::abort();
        }
    }
    return 0;
}
