#include <gtest/gtest.h>

#include <tuple>

#include "MemorySettingsBackend.h"
#include "core/PrinterChoices.h"
#include "core/SettingsStore.h"

using namespace Tabulon;

using Sides = PrinterChoices::Sides;

// Each printer keeps its own choices, also printers whose names hold the
// store's group separators, which must not land on another printer's values.
TEST(PrinterChoices, EachPrinterKeepsItsOwn) {
    MemorySettingsBackend backend;
    const std::pair<const char*, PrinterChoices> printers[] = {
        {"Muhasebe_Lazer", {3, false, Sides::TwoLongEdge, true}},
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
        {"Copies", "0", {}},
        {"Copies", "1000", {}},
        {"Copies", "2x", {}},
        {"Copies", "7 ", {7, true, Sides::One, false}},
        {"Collate", "False", {1, false, Sides::One, false}},
        {"Collate", "yanlış", {}},
        {"Sides", "two-short", {1, true, Sides::TwoShortEdge, false}},
        {"Sides", "duplex", {}},
        {"Reverse", "True", {1, true, Sides::One, true}}};
    for (const auto& [name, stored, loaded] : cases) {
        MemorySettingsBackend backend;
        SavePrinterChoices(backend, "P", {});
        backend.SetValue(SettingsKeyPath, "Printers/P/" + name, stored);
        EXPECT_EQ(LoadPrinterChoices(backend, "P"), loaded) << name << "=" << stored;
    }
}
