#pragma once
#include <string_view>

#include "core/Currency.h"
#include "core/NumberLocale.h"

namespace Tabulon {

// A field's text as money by the locale's rules; 0 when it is empty or not a
// number, Currency::Overflow() for a number beyond the range money holds, so
// that no total takes it in silently. Never fails.
Currency SafeCurrency(std::string_view text, const NumberLocale& locale);

}  // namespace Tabulon
