#pragma once
#include <string>

#include "core/SettingsBackend.h"

namespace Tabulon {

// The print dialog's choices beside the pages, remembered for each printer.
struct PrinterChoices {
    enum class Sides { One, TwoLongEdge, TwoShortEdge };

    int copies = 1;
    bool collate = true;  // copies of the whole document one after the other
    Sides sides = Sides::One;
    bool reverse = false;  // the last page first

    friend bool operator==(const PrinterChoices&, const PrinterChoices&) = default;
};

inline constexpr int MostCopies = 999;

// The choices last confirmed for this printer, each value that is missing or
// cannot be used taking the fresh one (one copy, collated, one side, in order).
PrinterChoices LoadPrinterChoices(SettingsBackend& backend, const std::string& printer);

// Stored under "Printers/<name>/", so each printer keeps its own; characters
// the store takes as separators are written as %XX.
void SavePrinterChoices(SettingsBackend& backend, const std::string& printer,
                        const PrinterChoices& choices);

}  // namespace Tabulon
