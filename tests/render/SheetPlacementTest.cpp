#include <gtest/gtest.h>

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
    const struct {
        bool fit;
        ColumnWidthTable widths;
        int fieldCount;
        bool scaled;
    } cases[] = {
        {false, Widths({60, 60}), 2, false},  // cut at the margin, as always
        {true, Widths({40, 45}), 2, false},   // 85 characters: exactly the line
        {true, Widths({40, 46}), 2, true},
        {true, Widths({40, 60}), 1, false},  // the second column is not the report's
        {true, Widths({60, 60}), 2, true},
    };
    const PageMetrics metrics = A4Metrics();
    for (const auto& c : cases) {
        PageSetup setup = DefaultPageSetup(1);
        setup.FitToPaper = c.fit;
        const SheetPlacement placed = PlaceOnPaper(setup, metrics, c.widths, c.fieldCount);
        EXPECT_EQ(placed.Scaled(), c.scaled) << c.widths[2] << " " << c.fieldCount;
        if (!c.scaled) {
            EXPECT_EQ(placed, SheetPlacement{});
            EXPECT_EQ(DrawnSetup(setup, placed), setup);
        }
    }
}

// The margins stay on the paper where the setup puts them: the page's
// top-left margin corner, its right margin and its bottom margin land on the
// paper's, whatever the paper and the orientation.
TEST(SheetPlacement, KeepsTheMarginsOnThePaper) {
    const struct {
        int32_t width, height;
        int16_t columns;  // characters wide, in two columns
    } cases[] = {{11906, 16838, 150}, {16838, 11906, 300}, {21600, 15840, 171}, {8391, 11906, 90}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " " << c.columns);
        PageSetup setup = DefaultPageSetup(c.width > c.height ? 2 : 1);
        setup.PageSizeX = c.width;
        setup.PageSizeY = c.height;
        setup.FitToPaper = true;
        PageMetrics metrics = A4Metrics();
        metrics.PrintableWidth = c.width - 2 * 810;
        const int16_t half = static_cast<int16_t>(c.columns / 2);
        const SheetPlacement placed =
            PlaceOnPaper(setup, metrics, Widths({half, static_cast<int16_t>(c.columns - half)}), 2);
        ASSERT_TRUE(placed.Scaled());
        EXPECT_NEAR(placed.scale, metrics.PrintableWidth / (c.columns * 120.0), 1e-9);
        const auto onPaperX = [&](double x) { return placed.left + placed.scale * x; };
        const auto onPaperY = [&](double y) { return placed.top + placed.scale * y; };
        EXPECT_NEAR(onPaperX(810), 810, 1e-6);
        EXPECT_NEAR(onPaperY(810), 810, 1e-6);
        EXPECT_NEAR(onPaperX(810 + c.columns * 120), c.width - 810, 1e-6);
        EXPECT_NEAR(onPaperX(placed.pageWidth - 810), c.width - 810, 1.0);
        EXPECT_NEAR(onPaperY(placed.pageHeight - 810), c.height - 810, 1.0);
        const PageSetup drawn = DrawnSetup(setup, placed);
        EXPECT_EQ(drawn.PageSizeX, placed.pageWidth);
        EXPECT_EQ(drawn.PageSizeY, placed.pageHeight);
        EXPECT_EQ(drawn.SpaceX1, setup.SpaceX1);
    }
}
