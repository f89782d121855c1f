#pragma once
#include <string>
#include <string_view>

#include "core/Currency.h"
#include "core/DecimalNumber.h"
#include "core/NumberLocale.h"
#include "render/ClockReading.h"
#include "render/PatternSections.h"

namespace Tabulon {

// Display patterns as the columns of a report carry them: "#,##0.00",
// "#,##0.00;(#,##0.00)", "000000", "###", "@" or nothing. In a pattern "0" is a
// digit or a zero, "#" a digit or nothing, "," between digits asks for the
// locale's group separator, "." stands for the locale's decimal separator, and
// a second section after ";" shows negative values (without a minus sign).
// Other characters are shown as they are. Values are rounded half away from
// zero on their exact decimal digits, so 1.005 shows as 1,01.

// A field's text: shown unchanged by "@", by an empty pattern, and when it is
// not a number in the locale.
std::string FormatField(std::string_view text, std::string_view pattern,
                        const NumberLocale& locale);
// The same appended to `out`, with no text of its own made for the field:
// what a loop over a million fields takes. Tells whether the field was
// shown as a number.
bool AppendFormattedField(std::string& out, std::string_view text, std::string_view pattern,
                          const NumberLocale& locale);
// The same with the pattern read beforehand (ReadSections).
bool AppendFormattedField(std::string& out, std::string_view text, const PatternSections& sections,
                          const NumberLocale& locale);

// A number; "@" and the empty pattern show it in its plain form (1234,5).
std::string FormatNumber(const DecimalNumber& value, std::string_view pattern,
                         const NumberLocale& locale);
// A total; one that cannot be held shows OverflowMark.
std::string FormatCurrency(Currency value, std::string_view pattern, const NumberLocale& locale);

// Only columns whose pattern begins with "#,#" are right-aligned on the page.
bool IsRightAlignedPattern(std::string_view pattern);

// "dd.mm.yyyy - hh:mm" with the locale's time separator.
std::string FormatDateTime(const ClockReading& now, const NumberLocale& locale);

// The exact value of a currency amount.
DecimalNumber CurrencyToDecimal(Currency value);

}  // namespace Tabulon
