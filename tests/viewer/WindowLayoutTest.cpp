#include <gtest/gtest.h>

#include "viewer/WindowLayout.h"

namespace {
TEST(WindowLayout, DeskAndBarsFollowTheOuterSize) {
    WindowLayout layout;
    layout.LayOut(15000, 10000);
    EXPECT_EQ(layout.Zemin, (TwipsRect{100, 550, 14650, 8500}));
    EXPECT_EQ(layout.HScroll.left, 0);
    EXPECT_EQ(layout.HScroll.width, 14340);
    EXPECT_EQ(layout.HScroll.top, 8180);
    EXPECT_EQ(layout.VScroll.left, 14340);
    EXPECT_EQ(layout.VScroll.top, 0);
    EXPECT_EQ(layout.VScroll.height, 8190);
    EXPECT_EQ(layout.Canvas.left, 200);
    EXPECT_EQ(layout.Canvas.top, 500);
    EXPECT_EQ(layout.Line1X1, 100);
    EXPECT_EQ(layout.Line1X2, 14650);
}

TEST(WindowLayout, ATooSmallWindowLeavesTheLastValidSizes) {
    WindowLayout layout;
    layout.LayOut(15000, 10000);
    layout.LayOut(300, 1400);
    EXPECT_EQ(layout.Zemin.width, 14650);
    EXPECT_EQ(layout.Zemin.height, 8500);
    EXPECT_EQ(layout.HScroll.width, 14340);
    // Just big enough for the desk but not for the bars inside it.
    layout.LayOut(500, 1700);
    EXPECT_EQ(layout.Zemin.width, 150);
    EXPECT_EQ(layout.Zemin.height, 200);
    EXPECT_EQ(layout.HScroll.width, 14340);
    EXPECT_EQ(layout.VScroll.height, 8190);
    EXPECT_EQ(layout.VScroll.left, 150 - 310);
}

TEST(WindowLayout, CanvasAndRulerAtEveryZoom) {
    const struct {
        float zoom;
        int32_t width, height, edge;
    } cases[] = {
        {1.0f, 25000, 16838, 11906}, {0.75f, 18750, 12628, 8930}, {0.5f, 12500, 8419, 5953}};
    for (const auto& c : cases) {
        WindowLayout layout;
        layout.LayOut(15000, 10000);
        layout.FitCanvas(c.zoom, 11906, 16838);
        EXPECT_EQ(layout.Canvas.width, c.width) << c.zoom;
        EXPECT_EQ(layout.Canvas.height, c.height) << c.zoom;
        EXPECT_EQ(layout.Line3X, c.edge) << c.zoom;
        EXPECT_EQ(layout.Line3Y2, c.height);
        EXPECT_EQ(layout.Cetvel, (TwipsRect{200, 290, c.width, 200}));
    }
}

TEST(WindowLayout, ScrollingMovesCanvasAndRulerTogether) {
    WindowLayout layout;
    layout.LayOut(15000, 10000);
    layout.ScrollVertically(1000);
    layout.ScrollHorizontally(700);
    EXPECT_EQ(layout.Canvas.top, -600);
    EXPECT_EQ(layout.Canvas.left, -500);
    EXPECT_EQ(layout.Cetvel.top, -810);
    EXPECT_EQ(layout.Cetvel.left, -500);
    layout.ScrollVertically(0);
    EXPECT_EQ(layout.Canvas.top, 400);
    EXPECT_EQ(layout.Cetvel.top, 190);
}

TEST(ScrollMaximum, ExtentPlusSlackLessTheDeskNeverNegative) {
    EXPECT_EQ(ScrollMaximum(16838, 8500), 9338);
    EXPECT_EQ(ScrollMaximum(12628.5, 8500), 5128);
    EXPECT_EQ(ScrollMaximum(8419, 9500), 0);
    EXPECT_EQ(ScrollMaximum(80000, 100), 32767);
}
}  // namespace
