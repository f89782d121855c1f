#pragma once

namespace Tabulon {

// The moment printed in a page's date line; handed in so tests can fix it.
struct ClockReading {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
};

}  // namespace Tabulon
