#pragma once
#include <cstdint>

#include "core/NumberLocale.h"

namespace Tabulon {

// The separators of the system locale (QLocale::system()).
NumberLocale SystemNumberLocale();

// The default printer's orientation: 1 portrait, 2 landscape (portrait when
// there is no printer).
int16_t DefaultPrinterOrientation();

}  // namespace Tabulon
