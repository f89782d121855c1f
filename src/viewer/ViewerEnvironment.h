#pragma once
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
};

// The system locale and the system clock.
ViewerEnvironment SystemViewerEnvironment();

}  // namespace Tabulon
