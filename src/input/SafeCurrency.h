#pragma once
#include <string_view>

#include "core/Currency.h"
#include "core/NumberLocale.h"

// A field's text as money by the locale's rules; 0 when it is empty, not a
// number or out of range. Never fails.
Currency SafeCurrency(std::string_view text, const NumberLocale& locale);
