#include <gtest/gtest.h>

#include "viewer/RulerArithmetic.h"
#include "viewer/WindowLayout.h"

namespace {
TEST(ColumnBoundaries, SkipColumnsThatDoNotFitAndScaleWithTheZoom) {
    // Columns 10, 5 and 20 characters wide; the second does not fit.
    ColumnWidthTable widths{};
    widths.fill(1);
    widths[1] = 10;
    widths[2] = 5;
    widths[3] = 20;
    ColumnFlags fits{};
    fits[1] = fits[3] = true;
    PageMetrics metrics;
    metrics.LeftMargin = 850;
    metrics.CharWidth = 120;
    RulerView view{widths, metrics, fits, 3, 1.0f};
    const struct {
        float zoom, first, third;
    } cases[] = {{1.0f, 2050.0f, 4450.0f}, {0.75f, 1537.5f, 3337.5f}, {0.5f, 1025.0f, 2225.0f}};
    for (const auto& c : cases) {
        view.zoom = c.zoom;
        const auto boundaries = ColumnBoundaries(view);
        ASSERT_EQ(boundaries.size(), 2u) << c.zoom;
        EXPECT_EQ(boundaries[0].column, 1);
        EXPECT_FLOAT_EQ(boundaries[0].x, c.first);
        EXPECT_EQ(boundaries[1].column, 3);
        EXPECT_FLOAT_EQ(boundaries[1].x, c.third);
    }
    // Past the fifty columns of the page there are no markers.
    view.fieldCount = 60;
    fits.fill(true);
    EXPECT_EQ(ColumnBoundaries(view).back().column, 50);
}

TEST(HitColumn, ReachesFrom90LeftTo10RightAndTheLaterColumnWins) {
    const std::vector<ColumnBoundary> one{{4, 2000.0f}};
    const std::vector<ColumnBoundary> close{{2, 2000.0f}, {3, 2060.0f}};
    const struct {
        const std::vector<ColumnBoundary>& boundaries;
        float x;
        int column;
    } cases[] = {{one, 1911.0f, 4},   {one, 1910.0f, 0},   {one, 2010.0f, 0},
                 {one, 2009.5f, 4},   {one, 1000.0f, 0},   {close, 1990.0f, 3},
                 {close, 1950.0f, 2}, {close, 2065.0f, 3}, {close, 2070.0f, 0}};
    for (const auto& c : cases) EXPECT_EQ(HitColumn(c.boundaries, c.x), c.column) << c.x;
}

TEST(DragDelta, CountsWholeCharacterWidthsRoundingHalvesToEven) {
    const struct {
        float distance;
        int16_t delta;
    } cases[] = {{360.0f, 3}, {-360.0f, -3}, {180.0f, 2}, {300.0f, 2}, {60.0f, 0}, {61.0f, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(DragDeltaFor(1000.0f + c.distance, 1000.0f, 120), c.delta) << c.distance;
    EXPECT_EQ(DragDeltaFor(1500.0f, 1000.0f, 0), 0);
}

TEST(DraggedWidth, DividesByTheZoomAfterRoundingNeverBelowOne) {
    const struct {
        int16_t width, delta;
        float zoom;
        int16_t result;
    } cases[] = {
        {10, 3, 1.0f, 13},  {10, -4, 1.0f, 6},  {10, 1, 0.5f, 12},  {10, -1, 0.5f, 8},
        {10, 1, 0.75f, 11}, {10, 2, 0.75f, 13}, {10, 3, 0.75f, 14}, {10, 5, 0.75f, 17},
        {5, -3, 1.0f, 2},   {5, -4, 1.0f, 1},   {5, -10, 1.0f, 1},  {5, -3, 0.5f, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DraggedWidth(c.width, c.delta, c.zoom), c.result)
            << c.width << " " << c.delta << " " << c.zoom;
}

// The scroll bars hold 16-bit values.
TEST(ScrollMaximum, ExtentPlusSlackLessTheDeskClampedToTheBar) {
    EXPECT_EQ(ScrollMaximum(12628.5, 8500), 5128);
    EXPECT_EQ(ScrollMaximum(8419, 9500), 0);
    EXPECT_EQ(ScrollMaximum(80000, 100), 32767);
}
}  // namespace
