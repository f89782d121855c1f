#include <gtest/gtest.h>

#include "MemorySettingsBackend.h"
#include "core/SettingsStore.h"

namespace {

// Stores all twelve texts as a user's earlier run would have.
MemorySettingsBackend StoredSettings(std::map<std::string, std::string> overrides = {}) {
    MemorySettingsBackend backend;
    ReportModel defaults;
    LoadSettings(defaults, backend, 1);
    for (const auto& [name, text] : overrides) backend.SetValue(SettingsKeyPath, name, text);
    return backend;
}

TEST(LoadSettings, FirstRunStoresTheDefaultsInOrder) {
    MemorySettingsBackend backend;
    ReportModel model;
    LoadSettings(model, backend, 2);
    const std::vector<std::string> order(SettingNames.begin(), SettingNames.end());
    EXPECT_EQ(backend.writeOrder, order);
    const std::map<std::string, std::string> expected = {
        {"PageSizeX", "11906"}, {"PageSizeY", "16838"},
        {"PageOrient", "2"},    {"SpaceX1", "15"},
        {"SpaceX2", "15"},      {"SpaceY1", "15"},
        {"SpaceY2", "15"},      {"FontName", "Times New Roman"},
        {"FontSize", "10"},     {"pTotals", "True"},
        {"aTotals", "True"},    {"pNumbers", "True"}};
    for (const auto& [name, text] : expected)
        EXPECT_EQ(backend.QueryValue(SettingsKeyPath, name), text) << name;
    // Landscape by the default printer: the model's page is turned, the stored texts are not.
    EXPECT_EQ(model.PageSizeX, 16838);
    EXPECT_EQ(model.PageSizeY, 11906);
}

TEST(LoadSettings, ReadsStoredTexts) {
    const struct {
        const char* name;
        const char* text;
        std::function<int64_t(const ReportModel&)> get;
        int64_t expected;
    } cases[] = {
        {"SpaceX1", "12.5", [](const ReportModel& m) { return m.SpaceX1; }, 12},
        {"SpaceX1", "13.5", [](const ReportModel& m) { return m.SpaceX1; }, 14},
        {"SpaceY2", "abc", [](const ReportModel& m) { return m.SpaceY2; }, 0},
        {"FontSize", "11.5", [](const ReportModel& m) { return m.FontSize; }, 12},
        {"FontSize", "99999", [](const ReportModel& m) { return m.FontSize; }, 32767},
        {"pTotals", "true", [](const ReportModel& m) { return m.pTotals; }, 0},
        {"pTotals", "True", [](const ReportModel& m) { return m.pTotals; }, 1},
        {"aTotals", "True  ", [](const ReportModel& m) { return m.aTotals; }, 1},
        {"pNumbers", "", [](const ReportModel& m) { return m.pNumbers; }, 0},
    };
    for (const auto& c : cases) {
        MemorySettingsBackend backend = StoredSettings({{c.name, c.text}});
        ReportModel model;
        LoadSettings(model, backend, 1);
        EXPECT_EQ(c.get(model), c.expected) << c.name << "=" << c.text;
    }
}

TEST(LoadSettings, MissingValueReadsEmptyNotDefault) {
    MemorySettingsBackend backend = StoredSettings();
    backend.values.erase(SettingsKeyPath + "|FontSize");
    backend.values.erase(SettingsKeyPath + "|FontName");
    ReportModel model;
    LoadSettings(model, backend, 1);
    EXPECT_EQ(model.FontSize, 0);
    EXPECT_EQ(model.FontName, "");
}

TEST(LoadSettings, PageSizeFollowsTheOrientation) {
    const struct {
        const char* orient;
        const char* x;
        const char* y;
        int32_t wantX, wantY;
    } cases[] = {
        {"2", "11906", "16838", 16838, 11906}, {"1", "16838", "11906", 11906, 16838},
        {"1", "11906", "16838", 11906, 16838}, {"0", "11906", "16838", 16838, 11906},
        {"2", "15000", "15000", 15000, 15000},
    };
    for (const auto& c : cases) {
        MemorySettingsBackend backend =
            StoredSettings({{"PageOrient", c.orient}, {"PageSizeX", c.x}, {"PageSizeY", c.y}});
        ReportModel model;
        LoadSettings(model, backend, 1);
        EXPECT_EQ(model.PageSizeX, c.wantX) << c.orient;
        EXPECT_EQ(model.PageSizeY, c.wantY) << c.orient;
    }
}

TEST(ReadRegistryString, DropsTrailingControlCharactersAndSpaces) {
    MemorySettingsBackend backend = StoredSettings({{"FontName", "Arial \t\r\n"}});
    EXPECT_EQ(ReadRegistryString(backend, SettingsKeyPath, "FontName"), "Arial");
    EXPECT_EQ(ReadRegistryString(backend, SettingsKeyPath, "Missing"), "");
    EXPECT_EQ(ReadRegistryString(backend, "SOFTWARE\\Elsewhere", "FontName"), "");
    backend.SetValue(SettingsKeyPath, "FontName", std::string(300, 'x'));
    EXPECT_EQ(ReadRegistryString(backend, SettingsKeyPath, "FontName").size(), 254u);
}

TEST(SaveSettings, WritesTheModelAsItStands) {
    MemorySettingsBackend backend;
    ReportModel model;
    model.PageSizeX = 20000;  // wider than high yet portrait: not normalised on save
    model.PageSizeY = 10000;
    model.PageOrient = 1;
    model.SpaceX1 = -3;
    model.FontName = "Arial";
    model.FontSize = 12;
    model.pTotals = false;
    model.aTotals = true;
    SaveSettings(model, backend);
    EXPECT_EQ(backend.writeOrder.size(), 12u);
    EXPECT_EQ(backend.QueryValue(SettingsKeyPath, "PageSizeX"), "20000");
    EXPECT_EQ(backend.QueryValue(SettingsKeyPath, "SpaceX1"), "-3");
    EXPECT_EQ(backend.QueryValue(SettingsKeyPath, "pTotals"), "False");
    EXPECT_EQ(backend.QueryValue(SettingsKeyPath, "aTotals"), "True");
    ReportModel reloaded;
    LoadSettings(reloaded, backend, 2);
    EXPECT_EQ(reloaded.FontName, "Arial");
    EXPECT_EQ(reloaded.PageSizeX, 10000);  // normalised on the way in
}

}  // namespace
