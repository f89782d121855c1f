#include <gtest/gtest.h>

#include "MemorySettingsBackend.h"
#include "core/PrinterChoices.h"
#include "core/SettingsStore.h"

using namespace Tabulon;

using Sides = PrinterChoices::Sides;

// Each printer keeps its own choices, also printers whose names hold the
// store's group separators, which must not land on another printer's values.
TEST(PrinterChoices, EachPrinterKeepsItsOwn) {
    MemorySettingsBackend backend;
    const struct {
        const char* printer;
        PrinterChoices choices;
    } printers[] = {
        {"Muhasebe_Lazer", {3, false, Sides::TwoLongEdge, true}},
        {"Depo", {1, true, Sides::One, false}},
        {"\\\\sunucu\\Depo", {12, true, Sides::TwoShortEdge, false}},
        {"sunucu/Depo", {999, false, Sides::One, true}},
        {"%5C", {2, true, Sides::TwoLongEdge, false}},
    };
    for (const auto& p : printers) SavePrinterChoices(backend, p.printer, p.choices);
    for (const auto& p : printers)
        EXPECT_EQ(LoadPrinterChoices(backend, p.printer), p.choices) << p.printer;
    EXPECT_EQ(LoadPrinterChoices(backend, "Yeni"), PrinterChoices{});
    EXPECT_EQ(*backend.QueryValue(SettingsKeyPath, "Printers/sunucu%2FDepo/Sides"), "one");
}

// A stored value that cannot be used takes the fresh one; the others stay.
TEST(PrinterChoices, UnusableValuesTakeTheFreshOnes) {
    const struct {
        const char* name;
        const char* stored;
        PrinterChoices loaded;
    } cases[] = {
        {"Copies", "0", {}},
        {"Copies", "1000", {}},
        {"Copies", "2x", {}},
        {"Copies", "7 ", {7, true, Sides::One, false}},
        {"Collate", "False", {1, false, Sides::One, false}},
        {"Collate", "yanlış", {}},
        {"Sides", "two-short", {1, true, Sides::TwoShortEdge, false}},
        {"Sides", "duplex", {}},
        {"Reverse", "True", {1, true, Sides::One, true}},
    };
    for (const auto& c : cases) {
        MemorySettingsBackend backend;
        SavePrinterChoices(backend, "P", {});
        backend.SetValue(SettingsKeyPath, std::string("Printers/P/") + c.name, c.stored);
        EXPECT_EQ(LoadPrinterChoices(backend, "P"), c.loaded) << c.name << "=" << c.stored;
    }
}
