#pragma once
#include <array>
#include <string>

#include "core/NumberLocale.h"
#include "render/DrawingTarget.h"
#include "render/PageMetrics.h"

// The moment printed in a page's date line; handed in so tests can fix it.
struct ClockReading {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
};

// What the main window holds for drawing pages: zoom, metrics, the locale and
// the clock, where the rows are, and which columns start inside the line.
struct PageView {
    float ZoomFactor = 1.0f;
    PageMetrics metrics;
    NumberLocale locale;
    ClockReading now;
    std::string rowStorePath;
    std::array<bool, 51> ColumnFits{};  // 1-based, columns 1..50
};

// The screen ruler above the page canvas, which every page drawing redraws.
struct RulerSurface {
    DrawingTarget* target = nullptr;  // none: nothing to redraw
    Rgb backColour{240, 240, 240};
};
