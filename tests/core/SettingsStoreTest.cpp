#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "MemorySettingsBackend.h"
#include "core/SettingsStore.h"

namespace {

// "Name=text" for every value the backend received, in the order written.
std::string Written(MemorySettingsBackend& backend) {
    std::string text;
    for (const auto& name : backend.writeOrder)
        text += name + "=" + *backend.QueryValue(SettingsKeyPath, name) + " ";
    return text;
}

TEST(LoadSettings, FirstRunStoresTheDefaultsInOrder) {
    MemorySettingsBackend backend;
    const PageSetup model = LoadSettings(backend, 2);
    EXPECT_EQ(Written(backend),
              "PageSizeX=11906 PageSizeY=16838 PageOrient=2 SpaceX1=15 SpaceX2=15 SpaceY1=15 "
              "SpaceY2=15 FontName=Times New Roman FontSize=10 pTotals=True aTotals=True "
              "pNumbers=True ");
    // Landscape by the default printer: the model's page is turned, the stored texts are not.
    EXPECT_EQ(model.PageSizeX, 16838);
    EXPECT_EQ(model.PageSizeY, 11906);
}

TEST(LoadSettings, ConvertsStoredTexts) {
    const struct {
        const char* stored;  // "Name=text;...", a name alone: the value is missing
        const char* name;
        const char* loaded;
    } cases[] = {
        {"SpaceX1=12.5", "SpaceX1", "12"},
        {"SpaceX1=13.5", "SpaceX1", "14"},
        {"SpaceY2=abc", "SpaceY2", "0"},
        {"FontSize=11.5", "FontSize", "12"},
        // What no page can draw is brought within bounds.
        {"FontSize=99999", "FontSize", "400"},
        {"FontSize=-4", "FontSize", "0"},
        {"PageSizeY=2147483647;PageOrient=1", "PageSizeY", "68040"},
        {"PageSizeX=-500;PageOrient=1", "PageSizeX", "1440"},
        {"SpaceY1=-20", "SpaceY1", "0"},
        {"SpaceX2=99999", "SpaceX2", "1000"},
        {"FontSize", "FontSize", "0"},
        {"FontName", "FontName", ""},
        {"FontName=Arial \t\r\n", "FontName", "Arial"},
        {"pTotals=true", "pTotals", "False"},
        {"aTotals=True  ", "aTotals", "True"},
        {"pNumbers=", "pNumbers", "False"},
        // The page size is turned to match the stored orientation; 0 counts as landscape.
        {"PageOrient=2;PageSizeX=11906;PageSizeY=16838", "PageSizeX", "16838"},
        {"PageOrient=1;PageSizeX=16838;PageSizeY=11906", "PageSizeX", "11906"},
        {"PageOrient=1;PageSizeX=11906;PageSizeY=16838", "PageSizeX", "11906"},
        {"PageOrient=0;PageSizeX=11906;PageSizeY=16838", "PageSizeX", "16838"},
        {"PageOrient=2;PageSizeX=15000;PageSizeY=15000", "PageSizeX", "15000"},
    };
    for (const auto& c : cases) {
        MemorySettingsBackend backend;
        LoadSettings(backend, 1);  // an earlier run stored all twelve
        std::istringstream stored(c.stored);
        for (std::string item; std::getline(stored, item, ';');) {
            const size_t equals = item.find('=');
            if (equals == std::string::npos)
                backend.values.erase(SettingsKeyPath + "|" + item);
            else
                backend.SetValue(SettingsKeyPath, item.substr(0, equals), item.substr(equals + 1));
        }
        const PageSetup model = LoadSettings(backend, 1);
        const auto at = std::find(SettingNames.begin(), SettingNames.end(), c.name);
        EXPECT_EQ(SettingTexts(model)[at - SettingNames.begin()], c.loaded) << c.stored;
    }
}

TEST(ReadRegistryString, ReadsAtMost254CharactersOfAnExistingKey) {
    MemorySettingsBackend backend;
    backend.SetValue(SettingsKeyPath, "FontName", std::string(300, 'x'));
    EXPECT_EQ(ReadRegistryString(backend, SettingsKeyPath, "FontName").size(), 254u);
    EXPECT_EQ(ReadRegistryString(backend, SettingsKeyPath, "Missing"), "");
    EXPECT_EQ(ReadRegistryString(backend, "SOFTWARE\\Elsewhere", "FontName"), "");
}

TEST(SaveSettings, WritesTheModelAsItStands) {
    MemorySettingsBackend backend;
    PageSetup model = DefaultPageSetup(1);
    model.PageSizeX = 20000;  // wider than high yet portrait: not turned on save
    model.PageSizeY = 10000;
    model.SpaceX1 = -3;
    model.FontName = "Arial";
    model.pTotals = false;
    SaveSettings(model, backend);
    EXPECT_EQ(Written(backend),
              "PageSizeX=20000 PageSizeY=10000 PageOrient=1 SpaceX1=-3 SpaceX2=15 SpaceY1=15 "
              "SpaceY2=15 FontName=Arial FontSize=10 pTotals=False aTotals=True pNumbers=True ");
}

}  // namespace
