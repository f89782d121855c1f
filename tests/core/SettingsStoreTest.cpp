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
    const std::pair<const char*, std::string> cases[] = {
        {"SpaceX1=12.5", "SpaceX1=12"},
        {"FontSize=11.5", "FontSize=12"},
        {"SpaceY2=abc", "SpaceY2=15"},
        {"FontSize=0", "FontSize=10"},
        {"FontName= ", "FontName=Times New Roman"},
        {"FontName=Arial \t\r\n", "FontName=Arial"},
        {"PageSizeX=100;PageOrient=1", "PageSizeX=1440"},
        {"PageSizeY=2147483647;PageOrient=1", "PageSizeY=68040"},
        {"FontSize=99999", "FontSize=400"},
        {"SpaceX2=99999", "SpaceX2=1000"},
        {"PageOrient=7;PageSizeX=16838;PageSizeY=11906", "PageOrient=1"},
        {"PageOrient=2;PageSizeX=11906;PageSizeY=16838", "PageSizeX=16838"},
        {"PageOrient=0;PageSizeX=16838;PageSizeY=11906", "PageSizeX=11906"},
        {"PageOrient=2;PageSizeX=15000;PageSizeY=15000", "PageSizeX=15000"},
        {"pNumbers", "pNumbers=True"},
        {"pTotals=true", "pTotals=False"},
        {"aTotals=True  ", "aTotals=True"}};
    for (const auto& [stored, loaded] : cases) {
        MemorySettingsBackend backend;
        StoreWith(backend, stored);
        const auto texts = SettingTexts(LoadSettings(backend, [] { return int16_t{1}; }).setup);
        const std::string name = loaded.substr(0, loaded.find('='));
        const auto at = std::find(SettingNames.begin(), SettingNames.end(), name);
        EXPECT_EQ(name + "=" + texts[at - SettingNames.begin()], loaded) << stored;
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
    const std::pair<const char*, bool> cases[] = {{"FontSize=0", true}, {"PageSizeY=", true},
                                                  {"SpaceX2=-3", true}, {"PageOrient", true},
                                                  {"aTotals", true},    {"FontSize=9999", false},
                                                  {"SpaceY1=0", false}, {"pTotals=False", false}};
    for (const auto& [damage, reset] : cases) {
        SCOPED_TRACE(damage);
        MemorySettingsBackend backend;
        StoreWith(backend, damage);
        const auto before = backend.values;
        const LoadedSettings first = LoadSettings(backend, [] { return int16_t{1}; });
        EXPECT_EQ(first.reset, reset);
        EXPECT_EQ(reset ? backend.kept : backend.values, before);
        if (!reset) continue;
        EXPECT_EQ(first.kept.path, "Tabulon.conf.bozuk");
        EXPECT_EQ(SettingTexts(first.setup), SettingTexts(DefaultPageSetup(1)));
        const LoadedSettings second = LoadSettings(backend, [] { return int16_t{2}; });
        EXPECT_FALSE(second.reset);
        EXPECT_EQ(second.setup, first.setup);
    }
    MemorySettingsBackend locked;
    StoreWith(locked, "FontSize=0");
    locked.keptPath.clear();
    const auto before = locked.values;
    EXPECT_EQ(LoadSettings(locked, [] { return int16_t{1}; }).kept.reason, "Permission denied");
    EXPECT_EQ(locked.values, before);
}

// "Sığdır" is stored beside the twelve: off when missing (a store from before
// it) or anything but "True", and never a reason to call the store damaged;
// saving writes it after them only once it has been on.
TEST(LoadSettings, ReadsFitToPaperBesideTheTwelve) {
    const std::pair<const char*, bool> cases[] = {
        {nullptr, false}, {"True \r\n", true}, {"true", false}, {"1", false}};
    for (const auto& [stored, fit] : cases) {
        MemorySettingsBackend backend;
        LoadSettings(backend, [] { return int16_t{1}; });
        if (stored) backend.SetValue(SettingsKeyPath, FitToPaperName, stored);
        const auto before = backend.values;
        const LoadedSettings loaded = LoadSettings(backend, [] { return int16_t{1}; });
        EXPECT_EQ(loaded.setup.FitToPaper, fit) << (stored ? stored : "missing");
        EXPECT_FALSE(loaded.reset);
        EXPECT_EQ(backend.values, before);
    }
    MemorySettingsBackend on, never;
    PageSetup setup = DefaultPageSetup(1);
    SaveSettings(setup, never);
    EXPECT_EQ(never.written.find(FitToPaperName), std::string::npos);
    setup.FitToPaper = true;
    SaveSettings(setup, on);
    EXPECT_TRUE(on.written.ends_with("pNumbers=True;FitToPaper=True;")) << on.written;
}
