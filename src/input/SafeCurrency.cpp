#include "input/SafeCurrency.h"

#include "core/DecimalNumber.h"

Currency SafeCurrency(std::string_view text, const NumberLocale& locale) {
    return ParseLocaleCurrency(text, locale).value_or(Currency{});
}
