#include <gtest/gtest.h>

#include <tuple>

#include "core/SettingsStore.h"
#include "render/SheetPlacement.h"

using namespace Tabulon;

// A4 with 15 mm margins (810 twips), 120-twip characters: 85 characters a line.
static PageMetrics A4Metrics() {
    PageMetrics m;
    m.LeftMargin = m.RightMargin = m.TopMargin = m.BottomMargin = 810;
    m.CharWidth = 120;
    m.PrintableWidth = 11906 - 2 * 810;
    return m;
}

static ColumnWidthTable Widths(std::initializer_list<int16_t> widths) {
    ColumnWidthTable table{};
    size_t c = 1;
    for (int16_t w : widths) table[c++] = w;
    return table;
}

// Only a page whose cells run past the printable width with "Sığdır" on is
// shrunk, and only the columns the report has count.
TEST(SheetPlacement, ShrinksOnlyAWidePageWhenAsked) {
    // Off: cut at the margin as always; 85 characters are exactly the line; with
    // one field the second column is not the report's.
    const std::tuple<bool, ColumnWidthTable, int, bool> cases[] = {
        {false, Widths({60, 60}), 2, false},
        {true, Widths({40, 45}), 2, false},
        {true, Widths({40, 46}), 2, true},
        {true, Widths({40, 60}), 1, false},
        {true, Widths({60, 60}), 2, true}};
    for (const auto& [fit, widths, fieldCount, scaled] : cases) {
        PageSetup setup = DefaultPageSetup(1);
        setup.FitToPaper = fit;
        const SheetPlacement placed = PlaceOnPaper(setup, A4Metrics(), widths, fieldCount);
        EXPECT_EQ(placed.Scaled(), scaled) << widths[2] << " " << fieldCount;
        if (!scaled) {
            EXPECT_EQ(placed, SheetPlacement{});
            EXPECT_EQ(DrawnSetup(setup, placed), setup);
        }
    }
}

// The margins stay on the paper where the setup puts them: the page's
// top-left margin corner, its right margin and its bottom margin land on the
// paper's, whatever the paper and the orientation.
TEST(SheetPlacement, KeepsTheMarginsOnThePaper) {
    // Paper width and height, and the characters of the report's two columns.
    const std::tuple<int32_t, int32_t, int16_t> cases[] = {
        {11906, 16838, 150}, {16838, 11906, 300}, {21600, 15840, 171}, {8391, 11906, 90}};
    for (const auto& [width, height, columns] : cases) {
        SCOPED_TRACE(testing::Message() << width << "x" << height << " " << columns);
        PageSetup setup = DefaultPageSetup(width > height ? 2 : 1);
        setup.PageSizeX = width;
        setup.PageSizeY = height;
        setup.FitToPaper = true;
        PageMetrics metrics = A4Metrics();
        metrics.PrintableWidth = width - 2 * 810;
        const int16_t half = static_cast<int16_t>(columns / 2);
        const SheetPlacement placed =
            PlaceOnPaper(setup, metrics, Widths({half, static_cast<int16_t>(columns - half)}), 2);
        ASSERT_TRUE(placed.Scaled());
        const auto onPaper = [&](double x, double y) {
            return std::pair(placed.left + placed.scale * x, placed.top + placed.scale * y);
        };
        EXPECT_NEAR(onPaper(810, 0).first, 810, 1e-6);
        EXPECT_NEAR(onPaper(0, 810).second, 810, 1e-6);
        EXPECT_NEAR(onPaper(810 + columns * 120, 0).first, width - 810, 1e-6);
        EXPECT_NEAR(onPaper(placed.pageWidth - 810, 0).first, width - 810, 1.0);
        EXPECT_NEAR(onPaper(0, placed.pageHeight - 810).second, height - 810, 1.0);
        const PageSetup drawn = DrawnSetup(setup, placed);
        EXPECT_TRUE(drawn.PageSizeX == placed.pageWidth && drawn.PageSizeY == placed.pageHeight);
    }
}
