#pragma once
#include <cstdint>

#include "core/PageSetup.h"

namespace Tabulon {

// The page setup dialog's own copy of the values it edits. The orientation and
// margin handlers change only this copy; Apply writes it back to the model.
// The font face and size stay in the text of their lists until Apply.
struct PageSetupWorkingCopy {
    int32_t PageSizeX = 0;
    int32_t PageSizeY = 0;
    int16_t PageOrient = 0;
    int32_t SpaceX1 = 0;
    int32_t SpaceX2 = 0;
    int32_t SpaceY1 = 0;
    int32_t SpaceY2 = 0;
    bool pTotals = false;
    bool aTotals = false;
    bool pNumbers = false;

    static PageSetupWorkingCopy From(const PageSetup& model) {
        return {model.PageSizeX, model.PageSizeY, model.PageOrient, model.SpaceX1, model.SpaceX2,
                model.SpaceY1,   model.SpaceY2,   model.pTotals,    model.aTotals, model.pNumbers};
    }
};

}  // namespace Tabulon
