#include <gtest/gtest.h>

#include "MemorySettingsBackend.h"
#include "core/RememberedWidths.h"
#include "core/SettingsStore.h"

using namespace Tabulon;

namespace {

using Widths = std::vector<RememberedWidths::Width>;

ReportLayout WithTitles(const std::vector<std::string>& titles) {
    ReportLayout layout;
    for (size_t c = 0; c < titles.size(); ++c) layout.ColumnTitles[c + 1] = titles[c];
    return layout;
}

std::vector<std::string> Slots(MemorySettingsBackend& settings, const std::string& name,
                               size_t count) {
    std::vector<std::string> texts;
    for (size_t i = 1; i <= count; ++i)
        texts.push_back(
            settings.QueryValue(SettingsKeyPath, name + std::to_string(i)).value_or("-"));
    return texts;
}

}  // namespace

// A list keeps its most recent items first, each once, in a fixed number of
// slots; what falls off the end, or is dropped, empties its slot.
TEST(SettingsList, MostRecentFirstEachOnceWithinItsSlots) {
    MemorySettingsBackend settings;
    const SettingsList list(settings, "Son", 3);
    const auto put = [&list](const std::string& item) {
        list.PutFirst(item, [&item](const std::string& entry) { return entry == item; });
    };
    const struct {
        std::function<void()> act;
        std::vector<std::string> slots;
    } steps[] = {
        {[&] { put("a"); }, {"a", "-", "-"}},
        {[&] { put("b"); }, {"b", "a", "-"}},
        {[&] { put("a"); }, {"a", "b", "-"}},
        {[&] {
             put("c");
             put("d");
         },
         {"d", "c", "a"}},
        {[&] { EXPECT_TRUE(list.Drop([](const std::string& e) { return e == "c"; })); },
         {"d", "a", ""}},
        {[&] { EXPECT_FALSE(list.Drop([](const std::string& e) { return e == "x"; })); },
         {"d", "a", ""}},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(Slots(settings, "Son", 3), step.slots);
    }
    EXPECT_EQ(list.Read(), (std::vector<std::string>{"d", "a"}));
}

// Widths are kept by the column titles, whatever else the report says, for
// the last twenty sets of titles; a set without widths is forgotten, and what
// a hand-edited file says that is no column and width is passed over.
TEST(RememberedWidths, KeptByTitlesForTheLastTwentySets) {
    MemorySettingsBackend settings;
    const RememberedWidths remembered(settings);
    ReportLayout sales = WithTitles({"Kod", "Müşteri", "Tutar"});
    remembered.Remember(sales, {{2, 30}, {3, 12}});
    sales.HeaderLines[1] = "ANOTHER DAY";
    sales.ColumnWidths[2] = 7;
    EXPECT_EQ(remembered.For(sales), (Widths{{2, 30}, {3, 12}}));
    EXPECT_EQ(remembered.For(WithTitles({"Kod", "Müşteri", "Tutar", "Tarih"})), Widths{});
    EXPECT_EQ(remembered.For(WithTitles({"Kod", "Müşteri\t", "Tutar"})), Widths{});
    EXPECT_EQ(remembered.For(ReportLayout{}), Widths{});
    remembered.Remember(ReportLayout{}, {{1, 9}});
    EXPECT_EQ(remembered.For(ReportLayout{}), Widths{});

    for (int i = 0; i < 19; ++i) remembered.Remember(WithTitles({std::to_string(i)}), {{1, 5}});
    EXPECT_EQ(remembered.For(sales), (Widths{{2, 30}, {3, 12}}));
    remembered.Remember(WithTitles({"yirminci"}), {{1, 5}});
    EXPECT_EQ(remembered.For(sales), Widths{});
    EXPECT_EQ(remembered.For(WithTitles({"0"})), (Widths{{1, 5}}));

    remembered.Remember(WithTitles({"0"}), {});
    EXPECT_EQ(remembered.For(WithTitles({"0"})), Widths{});

    const std::string key = RememberedWidths::TitlesKey(sales);
    settings.SetValue(SettingsKeyPath, "ColumnWidths1",
                      key + ";2=30,x=4,3=,0=5,51=5,4=0,5=40000,6=8 ,7=9,8=32767");
    EXPECT_EQ(remembered.For(sales), (Widths{{2, 30}, {7, 9}, {8, 32767}}));
}
