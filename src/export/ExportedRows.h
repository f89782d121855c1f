#pragma once
#include <optional>

#include "core/Outcome.h"

namespace Tabulon {

// What an export that succeeded learned on the way.
struct ExportedRows {
    // The field count of the last row written: the titles and totals rows
    // shown next follow it. None without rows.
    std::optional<int> lastFieldCount;
};

}  // namespace Tabulon
