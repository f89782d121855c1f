#include <gtest/gtest.h>

#include "viewer/RulerArithmetic.h"

namespace {
struct Columns {
    ReportModel model;
    PageView view;
};

// Three columns 10, 5 and 20 characters wide, the second one not fitting.
Columns ThreeColumns(float zoom) {
    Columns c;
    c.model.FieldCount = 3;
    c.model.ColumnWidths[1] = 10;
    c.model.ColumnWidths[2] = 5;
    c.model.ColumnWidths[3] = 20;
    c.view.ColumnFits[1] = true;
    c.view.ColumnFits[3] = true;
    c.view.metrics.LeftMargin = 850;
    c.view.metrics.CharWidth = 120;
    c.view.ZoomFactor = zoom;
    return c;
}

TEST(ColumnBoundaries, SkipColumnsThatDoNotFitAndScaleWithTheZoom) {
    const struct {
        float zoom;
        float first, third;
    } cases[] = {{1.0f, 2050.0f, 4450.0f}, {0.75f, 1537.5f, 3337.5f}, {0.5f, 1025.0f, 2225.0f}};
    for (const auto& c : cases) {
        const Columns columns = ThreeColumns(c.zoom);
        const auto boundaries = ColumnBoundaries(columns.model, columns.view);
        ASSERT_EQ(boundaries.size(), 2u) << c.zoom;
        EXPECT_EQ(boundaries[0].column, 1);
        EXPECT_FLOAT_EQ(boundaries[0].x, c.first);
        EXPECT_EQ(boundaries[1].column, 3);
        EXPECT_FLOAT_EQ(boundaries[1].x, c.third);
    }
}

TEST(ColumnBoundaries, StopAtTheFiftyColumnsOfThePage) {
    Columns c = ThreeColumns(1.0f);
    c.model.FieldCount = 60;
    for (int i = 1; i <= 60; ++i) c.model.ColumnWidths[static_cast<size_t>(i)] = 1;
    c.view.ColumnFits.fill(true);
    const auto boundaries = ColumnBoundaries(c.model, c.view);
    ASSERT_EQ(boundaries.size(), 50u);
    EXPECT_EQ(boundaries.back().column, 50);
}

TEST(HitColumn, ReachesFrom90LeftTo10RightExclusive) {
    const std::vector<ColumnBoundary> one{{4, 2000.0f}};
    const struct {
        float x;
        int column;
    } cases[] = {{2000.0f - 89.0f, 4}, {2000.0f - 90.0f, 0}, {2000.0f + 10.0f, 0},
                 {2000.0f + 9.5f, 4},  {2000.0f, 4},         {1000.0f, 0}};
    for (const auto& c : cases) EXPECT_EQ(HitColumn(one, c.x), c.column) << c.x;
}

TEST(HitColumn, TheLaterColumnWinsWhereTwoAreInReach) {
    const std::vector<ColumnBoundary> close{{2, 2000.0f}, {3, 2060.0f}};
    EXPECT_EQ(HitColumn(close, 1990.0f), 3);  // within reach of both
    EXPECT_EQ(HitColumn(close, 1950.0f), 2);  // only the first
    EXPECT_EQ(HitColumn(close, 2065.0f), 3);
}

TEST(DragDelta, CountsWholeCharacterWidthsRoundingHalvesToEven) {
    const struct {
        float distance;
        int16_t delta;
    } cases[] = {{360.0f, 3}, {168.0f, 1}, {-360.0f, -3}, {180.0f, 2},
                 {300.0f, 2}, {59.0f, 0},  {60.0f, 0},    {61.0f, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(DragDeltaFor(1000.0f + c.distance, 1000.0f, 120), c.delta) << c.distance;
    EXPECT_EQ(DragDeltaFor(1500.0f, 1000.0f, 0), 0);
}

TEST(DraggedWidth, DividesByTheZoomAfterRounding) {
    const struct {
        float zoom;
        int16_t delta;
        int16_t width;
    } cases[] = {
        {1.0f, 3, 13},  {1.0f, 1, 11},  {1.0f, -4, 6},  {0.5f, 1, 12},
        {0.5f, 2, 14},  {0.5f, -1, 8},  {0.75f, 1, 11}, {0.75f, 2, 13},
        {0.75f, 3, 14}, {0.75f, 4, 15}, {0.75f, 5, 17},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DraggedWidth(10, c.delta, c.zoom), c.width) << c.zoom << " " << c.delta;
}

TEST(DraggedWidth, NeverBelowOneCharacter) {
    EXPECT_EQ(DraggedWidth(5, -10, 1.0f), 1);
    EXPECT_EQ(DraggedWidth(5, -5, 1.0f), 1);
    EXPECT_EQ(DraggedWidth(5, -3, 0.5f), 1);
    EXPECT_EQ(DraggedWidth(5, -4, 1.0f), 1);
    EXPECT_EQ(DraggedWidth(5, -3, 1.0f), 2);
}
}  // namespace
