#pragma once
#include <atomic>
#include <cstdint>
#include <functional>

#include "core/NumberLocale.h"
#include "render/ClockReading.h"

namespace Tabulon {

// What the window takes from the system besides printers and settings: the
// locale's separators and the clock printed on every page. Tests fix both.
struct ViewerEnvironment {
    NumberLocale locale;
    std::function<ClockReading()> clock;
    // Hears the progress of a report read in the background, on its thread,
    // with the flag asking it to stop; false stops it. Tests hold a load here.
    std::function<bool(int64_t done, int64_t total, const std::atomic<bool>& stop)> loadWatch;
};

// The system locale and the system clock.
ViewerEnvironment SystemViewerEnvironment();

}  // namespace Tabulon
