#include <gtest/gtest.h>

#include "MemorySettingsBackend.h"
#include "core/RememberedWidths.h"
#include "core/SettingsStore.h"

using namespace Tabulon;

using Widths = std::vector<RememberedWidths::Width>;

static ReportLayout WithTitles(const std::vector<std::string>& titles) {
    ReportLayout layout;
    for (size_t c = 0; c < titles.size(); ++c) layout.ColumnTitles[c + 1] = titles[c];
    return layout;
}

// Widths are kept by the column titles alone, for the last twenty sets of
// titles; none for a report without titles; what a hand-edited file says that
// is no column and width is passed over.
TEST(RememberedWidths, KeptByTitlesForTheLastTwentySets) {
    MemorySettingsBackend settings;
    const RememberedWidths remembered(settings);
    ReportLayout sales = WithTitles({"Kod", "Müşteri", "Tutar"});
    remembered.Remember(sales, {{2, 30}, {3, 12}});
    sales.HeaderLines[1] = "ERTESİ GÜN";
    EXPECT_EQ(remembered.For(sales), (Widths{{2, 30}, {3, 12}}));
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
