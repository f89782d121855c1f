#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "MemorySettingsBackend.h"
#include "core/SettingsStore.h"

using namespace Tabulon;

// A store an earlier run filled, then changed by "Name=text;..." (a name
// alone: the value is missing).
static void StoreWith(MemorySettingsBackend& backend, const std::string& changes) {
    LoadSettings(backend, [] { return int16_t{1}; });
    std::istringstream stored(changes);
    for (std::string item; std::getline(stored, item, ';');) {
        const size_t equals = item.find('=');
        if (equals == std::string::npos)
            backend.values.erase(SettingsKeyPath + "|" + item);
        else
            backend.SetValue(SettingsKeyPath, item.substr(0, equals), item.substr(equals + 1));
    }
}

// Landscape by the default printer turns the model's page, not the stored texts.
TEST(SaveSettings, FirstRunStoresTheDefaultsInOrder) {
    MemorySettingsBackend first;
    const PageSetup model = LoadSettings(first, [] { return int16_t{2}; }).setup;
    EXPECT_EQ(first.written,
              "PageSizeX=11906;PageSizeY=16838;PageOrient=2;SpaceX1=15;SpaceX2=15;SpaceY1=15;"
              "SpaceY2=15;FontName=Times New Roman;FontSize=10;pTotals=True;aTotals=True;"
              "pNumbers=True;");
    EXPECT_EQ(model.PageSizeX, 16838);
    EXPECT_EQ(model.PageSizeY, 11906);
}

// Numbers round half to even into what a page can draw; flags are True exactly.
// What cannot be used at all takes the fresh installation's value (the
// default printer's orientation is portrait here); what is merely too large is
// brought within a page.
TEST(LoadSettings, ConvertsStoredTexts) {
    const struct {
        const char* stored;
        const char* name;
        const char* loaded;
    } cases[] = {{"SpaceX1=12.5", "SpaceX1", "12"},
                 {"SpaceY2=abc", "SpaceY2", "15"},
                 {"SpaceY2=7cm", "SpaceY2", "7"},
                 {"FontSize=0", "FontSize", "10"},
                 {"FontName= ", "FontName", "Times New Roman"},
                 {"PageSizeX=0;PageOrient=1", "PageSizeX", "11906"},
                 {"PageSizeX=100;PageOrient=1", "PageSizeX", "1440"},
                 {"PageOrient=7;PageSizeX=16838;PageSizeY=11906", "PageOrient", "1"},
                 {"pNumbers", "pNumbers", "True"},
                 {"FontSize=11.5", "FontSize", "12"},
                 {"FontSize=99999", "FontSize", "400"},
                 {"PageSizeY=2147483647;PageOrient=1", "PageSizeY", "68040"},
                 {"SpaceX2=99999", "SpaceX2", "1000"},
                 {"FontName=Arial \t\r\n", "FontName", "Arial"},
                 {"pTotals=true", "pTotals", "False"},
                 {"aTotals=True  ", "aTotals", "True"},
                 {"PageOrient=2;PageSizeX=11906;PageSizeY=16838", "PageSizeX", "16838"},
                 {"PageOrient=1;PageSizeX=16838;PageSizeY=11906", "PageSizeX", "11906"},
                 {"PageOrient=0;PageSizeX=16838;PageSizeY=11906", "PageSizeX", "11906"},
                 {"PageOrient=2;PageSizeX=15000;PageSizeY=15000", "PageSizeX", "15000"}};
    for (const auto& c : cases) {
        MemorySettingsBackend backend;
        StoreWith(backend, c.stored);
        const PageSetup model = LoadSettings(backend, [] { return int16_t{1}; }).setup;
        const auto at = std::find(SettingNames.begin(), SettingNames.end(), c.name);
        EXPECT_EQ(SettingTexts(model)[at - SettingNames.begin()], c.loaded) << c.stored;
    }
    MemorySettingsBackend backend;
    backend.SetValue(SettingsKeyPath, "FontName", std::string(300, 'x'));
    EXPECT_EQ(ReadRegistryString(backend, SettingsKeyPath, "FontName").size(), 254u);
    EXPECT_EQ(ReadRegistryString(backend, SettingsKeyPath, "Missing"), "");
    EXPECT_EQ(ReadRegistryString(backend, "SOFTWARE\\Elsewhere", "FontName"), "");
}

// Whatever made a stored value unusable, the old values are moved aside
// before the repaired ones are written, and the reset is reported once; a
// store that cannot be moved aside is left as it was.
TEST(LoadSettings, KeepsADamagedStoreAsideBeforeRepairingIt) {
    const struct {
        const char* damage;
        bool reset;
    } cases[] = {{"FontSize=0", true},     {"PageSizeY=", true}, {"SpaceX2=-3", true},
                 {"PageOrient", true},     {"aTotals", true},    {"FontSize=9999", false},
                 {"pTotals=False", false}, {"SpaceY1=0", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        for (const bool canKeep : {true, false}) {
            MemorySettingsBackend backend;
            StoreWith(backend, c.damage);
            const auto before = backend.values;
            if (!canKeep) backend.keptPath.clear();
            const LoadedSettings first = LoadSettings(backend, [] { return int16_t{1}; });
            EXPECT_EQ(first.reset, c.reset);
            if (!c.reset) {
                EXPECT_EQ(backend.values, before);
                continue;
            }
            if (!canKeep) {
                EXPECT_EQ(first.kept.reason, "Permission denied");
                EXPECT_EQ(backend.values, before);
                continue;
            }
            EXPECT_EQ(first.kept.path, "Tabulon.conf.bozuk");
            EXPECT_EQ(backend.kept, before);
            EXPECT_EQ(SettingTexts(first.setup), SettingTexts(DefaultPageSetup(1)));
            const LoadedSettings second = LoadSettings(backend, [] { return int16_t{2}; });
            EXPECT_FALSE(second.reset);
            EXPECT_EQ(second.setup, first.setup);
        }
    }
}
