#pragma once
#include <atomic>
#include <cstdint>
#include <functional>

#include "core/NumberLocale.h"
#include "input/RowStoreRoom.h"
#include "render/ClockReading.h"

namespace Tabulon {

// What the window takes from the system besides printers and settings: the
// locale's separators and the clock printed on every page, and the free space
// of the temporary folder (the system's when empty). Tests fix them.
struct ViewerEnvironment {
    NumberLocale locale;
    std::function<ClockReading()> clock;
    FreeSpaceQuery freeSpace;
    // Hears the progress of a report read in the background, on its thread,
    // with the flag asking it to stop; false stops it. Tests hold a load here.
    std::function<bool(int64_t done, int64_t total, const std::atomic<bool>& stop)> loadWatch;
};

// The system locale and the system clock.
ViewerEnvironment SystemViewerEnvironment();

}  // namespace Tabulon
