#include <gtest/gtest.h>

#include <QAction>

#include "ViewerHarness.h"
#include "platform/Twips.h"
#include "viewer/PictureBox.h"
#include "viewer/RulerArithmetic.h"
#include "viewer/WindowLayout.h"

namespace {

// Columns 10, 5 and 20 characters wide at 75 %, the second not fitting; past
// the fifty columns of the page there are no markers. A press reaches from 90
// twips left of a boundary to 10 right, the later column winning; a drag
// counts whole characters, halves to even; the new width divides by the zoom
// after rounding, never below one character. The scroll bars hold 16-bit values.
TEST(RulerArithmetic, BoundariesHitsDragsAndWidths) {
    ColumnWidthTable widths{};
    widths.fill(1);
    widths[1] = 10, widths[2] = 5, widths[3] = 20;
    ColumnFlags fits{};
    fits[1] = fits[3] = true;
    PageMetrics metrics;
    metrics.LeftMargin = 850;
    metrics.CharWidth = 120;
    RulerView view{widths, metrics, fits, 3, 0.75f};
    std::string found;
    for (const ColumnBoundary& b : ColumnBoundaries(view))
        found += std::to_string(b.column) + "@" + std::to_string(b.x) + " ";
    EXPECT_EQ(found, "1@1537.500000 3@3337.500000 ");
    view.fieldCount = 60;
    fits.fill(true);
    EXPECT_EQ(ColumnBoundaries(view).back().column, 50);
    const std::vector<ColumnBoundary> one{{4, 2000.0f}}, close{{2, 2000.0f}, {3, 2060.0f}};
    const struct {
        const std::vector<ColumnBoundary>& boundaries;
        float x;
        int column;
    } hits[] = {{one, 1911.0f, 4},   {one, 1910.0f, 0},   {one, 2010.0f, 0},
                {one, 2009.5f, 4},   {one, 1000.0f, 0},   {close, 1990.0f, 3},
                {close, 1950.0f, 2}, {close, 2065.0f, 3}, {close, 2070.0f, 0}};
    for (const auto& c : hits) EXPECT_EQ(HitColumn(c.boundaries, c.x), c.column) << c.x;
    for (auto [distance, delta] :
         {std::pair{360.0f, 3}, {-360.0f, -3}, {180.0f, 2}, {300.0f, 2}, {60.0f, 0}, {61.0f, 1}})
        EXPECT_EQ(DragDeltaFor(1000.0f + distance, 1000.0f, 120), delta) << distance;
    EXPECT_EQ(DragDeltaFor(1500.0f, 1000.0f, 0), 0);
    const struct {
        int16_t width, delta;
        float zoom;
        int16_t result;
    } drags[] = {{10, 1, 0.75f, 11}, {10, 2, 0.75f, 13}, {10, 3, 0.75f, 14}, {10, 5, 0.75f, 17},
                 {10, -1, 0.5f, 8},  {5, -4, 1.0f, 1},   {5, -10, 1.0f, 1},  {5, -3, 0.5f, 1}};
    for (const auto& c : drags)
        EXPECT_EQ(DraggedWidth(c.width, c.delta, c.zoom), c.result) << c.delta << " " << c.zoom;
    EXPECT_EQ(ScrollMaximum(12628.5, 8500), 5128);
    EXPECT_EQ(ScrollMaximum(8419, 9500), 0);
    EXPECT_EQ(ScrollMaximum(80000, 100), 32767);
}

class RulerDrag : public ShownViewer {
  protected:
    int16_t Width(int column) { return W().Pages().layout.ColumnWidths[column]; }
    float Boundary(int column) { return ColumnBoundaries(W().Ruler())[column - 1].x; }
    QPoint At(float twips) { return QPoint(static_cast<int>(twips / TwipsPerPixel), 6); }
    // The canvas pixel a boundary's dark-red line falls on, low on the page
    // where nothing else is drawn.
    QColor LinePixel(float boundary) {
        const QImage& image = W().Canvas()->Image();
        return image.pixelColor(At(boundary - 30.0f).x(), image.height() - 20);
    }
    QColor RulerBack() { return W().Cetvel()->Image().pixelColor(1, 1); }
};

// While the button is down the ruler turns light yellow, the boundaries show
// on the page and an indicator follows the pointer; the release wipes them.
// A press away from every boundary, or with another button, grabs nothing.
TEST_F(RulerDrag, APressNearABoundaryGrabsItUntilTheRelease) {
    const QColor darkRed(128, 0, 0), lightYellow(255, 255, 192);
    const float b1 = Boundary(1), b2 = Boundary(2);
    PictureBox* ruler = W().Cetvel();
    const ColumnRuler& drag = W().ColumnDrag();
    const QPoint grip = At(b2 - 45);
    QTest::mousePress(ruler, Qt::LeftButton, {}, grip);
    EXPECT_EQ(drag.SelectedColumn(), 2);
    EXPECT_TRUE(drag.IndicatorVisible());
    EXPECT_EQ(drag.IndicatorX(), grip.x() * TwipsPerPixel);
    EXPECT_EQ(LinePixel(b1), darkRed);
    EXPECT_EQ(LinePixel(b2), darkRed);
    EXPECT_EQ(RulerBack(), lightYellow);
    QTest::mouseMove(ruler, grip + QPoint(50, 0));
    EXPECT_EQ(drag.IndicatorX(), (grip.x() + 50) * TwipsPerPixel);
    QTest::mouseRelease(ruler, Qt::LeftButton, {}, grip + QPoint(50, 0));
    EXPECT_EQ(LinePixel(b1), QColor(Qt::white));
    EXPECT_EQ(LinePixel(b2), QColor(Qt::white));
    EXPECT_NE(RulerBack(), lightYellow);
    EXPECT_FALSE(drag.IndicatorVisible());
    EXPECT_EQ(drag.SelectedColumn(), 0);
    const auto dragged = W().Pages().layout.ColumnWidths;
    QTest::mousePress(ruler, Qt::LeftButton, {}, QPoint(1, 6));
    EXPECT_EQ(drag.SelectedColumn(), 0);
    EXPECT_EQ(RulerBack(), lightYellow);
    QTest::mouseMove(ruler, QPoint(130, 6));
    EXPECT_FALSE(drag.IndicatorVisible());
    QTest::mouseRelease(ruler, Qt::LeftButton, {}, QPoint(130, 6));
    QTest::mousePress(ruler, Qt::RightButton, {}, At(Boundary(2) - 45));
    QTest::mouseMove(ruler, At(Boundary(2) + 900));
    QTest::mouseRelease(ruler, Qt::RightButton, {}, At(Boundary(2) + 900));
    EXPECT_EQ(W().Pages().layout.ColumnWidths, dragged);
}

// The distance counts in character cells as they appear at the zoom; a click
// without a move after a drag must not reuse that drag's distance.
TEST_F(RulerDrag, WidthsChangeByTheDistanceInOnScreenCharacterCells) {
    const struct {
        QAction* zoom;
        float characters;  // drag distance in unscaled character widths
        int change;
    } drags[] = {{Menu().GOR_01_01, 3.0f, 3}, {Menu().GOR_01_01, 0.0f, 0},
                 {Menu().GOR_01_01, 1.4f, 1}, {Menu().GOR_01_01, -2.0f, -2},
                 {Menu().GOR_01_03, 2.0f, 4}, {Menu().GOR_01_03, 1.0f, 2},
                 {Menu().GOR_01_02, 2.0f, 3}};
    for (const auto& d : drags) {
        d.zoom->trigger();
        const int16_t before = Width(2);
        const QPoint start = At(Boundary(2) - 20);
        const QPoint end =
            start + QPoint(PixelsFromTwips(d.characters * W().Pages().metrics.CharWidth), 0);
        QTest::mousePress(W().Cetvel(), Qt::LeftButton, {}, start);
        if (end != start) QTest::mouseMove(W().Cetvel(), end);
        QTest::mouseRelease(W().Cetvel(), Qt::LeftButton, {}, end);
        EXPECT_EQ(Width(2), before + d.change)
            << d.zoom->text().toStdString() << " " << d.characters;
    }
}

}  // namespace
