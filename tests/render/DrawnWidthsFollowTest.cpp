#include <gtest/gtest.h>

#include <functional>

#include "PageFixture.h"
#include "render/ShownWidths.h"

using namespace Tabulon;

namespace {

// The drawn widths are kept between pages; each thing they come from, changed
// alone after they were asked for, must change the next answer to what a
// fresh count gives.
TEST(DrawnWidths, FollowEveryChangeOfWhatTheyComeFrom) {
    const std::pair<const char*, std::function<void(PageFixture&)>> changes[] = {
        {"the ruler", [](PageFixture& f) { f.Layout().ColumnWidths[2] = 30; }},
        {"the pattern", [](PageFixture& f) { f.Layout().ColumnFormats[2] = "#,##0.000"; }},
        {"not totalled", [](PageFixture& f) { f.Layout().ColumnTotalFlags[2] = false; }},
        {"a total added",
         [](PageFixture& f) { f.pages.totals.table.Add(2, 2, Currency{int64_t{1} << 50}); }},
        {"the page count", [](PageFixture& f) { f.pages.totals.pageCount = 1; }},
        {"no totals lines", [](PageFixture& f) { f.setup.pTotals = f.setup.aTotals = false; }},
        {"the locale", [](PageFixture& f) { f.locale.groupSeparator = "'''"; }},
        {"a number shown", [](PageFixture& f) { f.pages.shownWidths[2] = 40; }},
    };
    for (const auto& [change, apply] : changes) {
        SCOPED_TRACE(change);
        PageFixture f;
        f.Columns({{"Ad", 6, ""}, {"Tutar", 8, "#,##0.00", true}});
        f.Rows({{"a", "1.234,50"},
                {"b", "-7.500,25"},
                {"c", "1"},
                {"d", "2"},
                {"e", "3"},
                {"f", "900.000"}});
        const ColumnWidthTable before = f.pages.Widths(f.setup, f.locale);
        apply(f);
        ColumnWidthTable fresh = DrawnWidths(f.Layout(), f.pages.totals, f.setup, f.locale);
        WidenForShownNumbers(fresh, f.pages.shownWidths);
        EXPECT_NE(fresh, before);
        EXPECT_EQ(f.pages.Widths(f.setup, f.locale), fresh);
    }
}

}  // namespace
