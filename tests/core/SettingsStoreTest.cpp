#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>

#include "MemorySettingsBackend.h"
#include "core/PrinterChoices.h"
#include "core/RememberedWidths.h"
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

// Numbers round half to even into what a page can draw, what is merely too
// large is brought within a page, and flags are True exactly.
TEST(LoadSettings, ConvertsStoredTexts) {
    const std::pair<const char*, std::string> cases[] = {
        {"SpaceX1=12.5", "SpaceX1=12"},
        {"FontSize=11.5", "FontSize=12"},
        {"FontName= ", "FontName=Times New Roman"},
        {"PageSizeX=100;PageOrient=1", "PageSizeX=1440"},
        {"PageSizeY=2147483647;PageOrient=1", "PageSizeY=68040"},
        {"FontSize=99999", "FontSize=400"},
        {"SpaceX2=99999", "SpaceX2=1000"},
        {"PageOrient=2;PageSizeX=15000;PageSizeY=15000", "PageSizeX=15000"},
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
}

// Whatever made a stored value unusable, the old values are moved aside
// before the repaired ones are written, and the reset is reported once; a
// store that cannot be moved aside is left as it was. "Sığdır" is stored
// beside the twelve: off when missing (a store from before it) or anything but
// "True", and never a reason to call the store damaged.
TEST(LoadSettings, KeepsADamagedStoreAsideBeforeRepairingIt) {
    const std::tuple<const char*, bool, bool> cases[] = {
        {"FontSize=0", true, false},      {"PageSizeY=", true, false},
        {"SpaceX2=-3", true, false},      {"PageOrient", true, false},
        {"aTotals", true, false},         {"FontSize=9999", false, false},
        {"SpaceY1=0", false, false},      {"pTotals=False", false, false},
        {"FitToPaper", false, false},     {"FitToPaper=True \r\n", false, true},
        {"FitToPaper=true", false, false}};
    for (const auto& [damage, reset, fit] : cases) {
        SCOPED_TRACE(damage);
        MemorySettingsBackend backend;
        StoreWith(backend, damage);
        const auto before = backend.values;
        const LoadedSettings first = LoadSettings(backend, [] { return int16_t{1}; });
        EXPECT_EQ(first.reset, reset);
        EXPECT_EQ(first.setup.FitToPaper, fit);
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

using Sides = PrinterChoices::Sides;

// Each printer keeps its own choices, also printers whose names hold the
// store's group separators, which must not land on another printer's values.
TEST(PrinterChoices, EachPrinterKeepsItsOwn) {
    MemorySettingsBackend backend;
    const std::pair<const char*, PrinterChoices> printers[] = {
        {"Depo", {1, true, Sides::One, false}},
        {"\\\\sunucu\\Depo", {12, true, Sides::TwoShortEdge, false}},
        {"sunucu/Depo", {999, false, Sides::One, true}},
        {"%5C", {2, true, Sides::TwoLongEdge, false}}};
    for (const auto& [printer, choices] : printers) SavePrinterChoices(backend, printer, choices);
    for (const auto& [printer, choices] : printers)
        EXPECT_EQ(LoadPrinterChoices(backend, printer), choices) << printer;
    EXPECT_EQ(LoadPrinterChoices(backend, "Yeni"), PrinterChoices{});
    EXPECT_EQ(*backend.QueryValue(SettingsKeyPath, "Printers/sunucu%2FDepo/Sides"), "one");
}

// A stored value that cannot be used takes the fresh one; the others stay.
TEST(PrinterChoices, UnusableValuesTakeTheFreshOnes) {
    const std::tuple<std::string, const char*, PrinterChoices> cases[] = {
        {"Copies", "0", {}},       {"Copies", "1000", {}},
        {"Copies", "2x", {}},      {"Copies", "7 ", {7, true, Sides::One, false}},
        {"Collate", "yanlış", {}}, {"Sides", "duplex", {}}};
    for (const auto& [name, stored, loaded] : cases) {
        MemorySettingsBackend backend;
        SavePrinterChoices(backend, "P", {});
        backend.SetValue(SettingsKeyPath, "Printers/P/" + name, stored);
        EXPECT_EQ(LoadPrinterChoices(backend, "P"), loaded) << name << "=" << stored;
    }
}

using Widths = std::vector<RememberedWidths::Width>;

static ReportLayout WithTitles(const std::vector<std::string>& titles) {
    ReportLayout layout;
    for (size_t c = 0; c < titles.size(); ++c) layout.ColumnTitles[c + 1] = titles[c];
    return layout;
}

// Widths are kept by the column titles, for the last twenty sets of titles;
// none for a report without titles; what a hand-edited file says that is no
// column and width is passed over.
TEST(RememberedWidths, KeptByTitlesForTheLastTwentySets) {
    MemorySettingsBackend settings;
    const RememberedWidths remembered(settings);
    ReportLayout sales = WithTitles({"Kod", "Müşteri", "Tutar"});
    remembered.Remember(sales, {{2, 30}, {3, 12}});
    for (const auto& titles : {std::vector<std::string>{"Kod", "Müşteri", "Tutar", "Tarih"},
                               {"Kod", "Müşteri\t", "Tutar"},
                               {}}) {
        remembered.Remember(WithTitles(titles), titles.empty() ? Widths{{1, 9}} : Widths{});
        EXPECT_EQ(remembered.For(WithTitles(titles)), Widths{});
    }
    for (int i = 0; i < 20; ++i) remembered.Remember(WithTitles({std::to_string(i)}), {{1, 5}});
    EXPECT_EQ(remembered.For(sales), Widths{});
    EXPECT_EQ(remembered.For(WithTitles({"0"})), (Widths{{1, 5}}));

    settings.SetValue(
        SettingsKeyPath, "ColumnWidths1",
        RememberedWidths::TitlesKey(sales) + ";2=30,x=4,3=,0=5,51=5,4=0,5=40000,6=8 ,7=9,8=32767");
    EXPECT_EQ(remembered.For(sales), (Widths{{2, 30}, {7, 9}, {8, 32767}}));
}
