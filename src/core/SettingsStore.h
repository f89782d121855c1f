#pragma once
#include <array>
#include <functional>
#include <string>

#include "core/PageSetup.h"
#include "core/SettingsBackend.h"

namespace Tabulon {

inline const std::string SettingsKeyPath = "SOFTWARE\\Vornak Software\\Tabulon";

// The twelve stored names, in the order they are always written.
inline const std::array<std::string, 12> SettingNames = {
    "PageSizeX", "PageSizeY", "PageOrient", "SpaceX1", "SpaceX2", "SpaceY1",
    "SpaceY2",   "FontName",  "FontSize",   "pTotals", "aTotals", "pNumbers"};

// One stored value's text: the value's text with everything below "!" dropped
// from its end; empty when the key or value is missing.
std::string ReadRegistryString(SettingsBackend& backend, const std::string& keyPath,
                               const std::string& name);

// The built-in page setup: A4 in the given orientation (1 portrait, 2
// landscape) as stored, 15 mm margins, Times New Roman 10 pt, every option on.
PageSetup DefaultPageSetup(int16_t defaultOrientation);

// The limits within which a page can be laid out and drawn: paper from one
// inch to 120 cm a side, margins up to a metre, fonts up to 400 points.
// Values outside them (an edited settings file, a typed size) are brought to
// the nearest limit, so no page loops over billions of row slots and no
// glyph is drawn metres high.
PageSetup SanePageSetup(PageSetup setup);

// What LoadSettings found in the store.
struct LoadedSettings {
    PageSetup setup;
    // Some stored value could not be used (no number where one belongs, a
    // paper, font size or orientation that cannot be, a negative margin, an
    // empty font name, a missing option) and the fresh installation's took
    // its place. The store's old contents were moved to kept.path, and the
    // repaired values written in their place; when they could not be moved,
    // kept.reason says why and nothing was written.
    bool reset = false;
    SettingsBackend::Kept kept;
};

// The defaults, replaced by the stored values that are usable when the key
// exists, and on the first run stored. Values merely too large for a page are
// kept sane; the page size ends up matching the orientation.
// defaultOrientation gives the default printer's (1 portrait, 2 landscape);
// it is asked only when needed, as asking a printer takes time.
LoadedSettings LoadSettings(SettingsBackend& backend,
                            const std::function<int16_t()>& defaultOrientation);

// Writes the twelve values as they stand.
void SaveSettings(const PageSetup& setup, SettingsBackend& backend);

// The text forms of the twelve values, in stored order.
std::array<std::string, 12> SettingTexts(const PageSetup& setup);

}  // namespace Tabulon
