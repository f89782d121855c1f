#include "input/SafeCurrency.h"

#include "core/DecimalNumber.h"

namespace Tabulon {

Currency SafeCurrency(std::string_view text, const NumberLocale& locale) {
    if (auto money = ParseLocaleCurrency(text, locale)) return *money;
    return ParseLocaleNumber(text, locale) ? Currency::Overflow() : Currency{};
}

}  // namespace Tabulon
