#pragma once
#include <cstdint>
#include <string>

namespace Tabulon {

// How the report is laid out on paper: kept in the settings store between
// runs and changed by the page setup dialog. Sizes are twips, margins whole
// millimetres, the font size points.
struct PageSetup {
    int32_t PageSizeX = 0;
    int32_t PageSizeY = 0;
    int16_t PageOrient = 0;  // 1 portrait, 2 landscape
    int32_t SpaceX1 = 0;     // left margin
    int32_t SpaceX2 = 0;     // right margin
    int32_t SpaceY1 = 0;     // top margin
    int32_t SpaceY2 = 0;     // bottom margin
    std::string FontName;
    int16_t FontSize = 0;
    bool pTotals = false;   // a page-totals row on every page
    bool aTotals = false;   // a cumulative-totals row on every page
    bool pNumbers = false;  // page numbers

    friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

}  // namespace Tabulon
