// Number reading on arbitrary text: leading numbers, locale numbers, currency
// and text decoding must never crash and must agree with themselves.
#include <cstdlib>
#include <string>

#include "core/DecimalNumber.h"
#include "core/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ReadLeadingInteger(text);
    const std::string utf8 = DecodeReportLine(text);
    if (!IsValidUtf8(utf8)) std::abort();
    if (CutUtf8(utf8, 510).size() > 510) std::abort();
    for (const NumberLocale& locale : {NumberLocale::Turkish(), NumberLocale::English()}) {
        const auto number = ParseLocaleNumber(text, locale);
        const auto money = ParseLocaleCurrency(text, locale);
        if (money && !number) std::abort();
        if (number) {
            const DecimalNumber rounded = number->Rounded(2, RoundingMode::HalfAwayFromZero);
            if (rounded.FractionDigits().size() != 2) std::abort();
        }
    }
    return 0;
}
