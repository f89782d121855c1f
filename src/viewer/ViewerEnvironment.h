#pragma once
#include <functional>

#include "core/NumberLocale.h"
#include "render/ClockReading.h"

namespace Tabulon {

// What the window takes from the system besides printers and settings: the
// locale's separators and the clock printed on every page. Tests fix both.
struct ViewerEnvironment {
    NumberLocale locale;
    std::function<ClockReading()> clock;
};

// The system locale and the system clock.
ViewerEnvironment SystemViewerEnvironment();

}  // namespace Tabulon
