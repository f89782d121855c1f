#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "ViewerHarness.h"
#include "core/Rounding.h"
#include "platform/Twips.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"
#include "viewer/RulerArithmetic.h"

namespace {
const QColor DarkRed(128, 0, 0);
const QColor LightYellow(255, 255, 192);

class RulerDrag : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Open(SalesReport(80)));
        h.Show();
    }
    FrmTabul& W() { return *h.window; }
    int32_t CharWidth() { return W().Pages().metrics.CharWidth; }
    int16_t Width(int column) {
        return W().Pages().layout.ColumnWidths[static_cast<size_t>(column)];
    }
    float Boundary(int column) {
        for (const ColumnBoundary& b : ColumnBoundaries(W().Ruler()))
            if (b.column == column) return b.x;
        ADD_FAILURE() << "no boundary for column " << column;
        return 0;
    }
    // The canvas pixel a boundary's dark-red line falls on, low on the page
    // where nothing else is drawn.
    QColor BoundaryLinePixel(float boundary) {
        const QImage& image = W().Canvas()->Image();
        return image.pixelColor(static_cast<int>((boundary - 30.0f) / TwipsPerPixel),
                                image.height() - 20);
    }
    QColor RulerBack() { return W().Cetvel()->Image().pixelColor(1, 1); }
    // Presses the left button on the ruler at `from` twips, moves by `distance`
    // twips and releases, as the user's mouse does (in whole pixels); no move
    // at all for a distance of 0.
    void Drag(float from, float distance) {
        PictureBox* ruler = W().Cetvel();
        const QPoint start(static_cast<int>(from / TwipsPerPixel), 6);
        const QPoint end = start + QPoint(PixelsFromTwips(distance), 0);
        QTest::mousePress(ruler, Qt::LeftButton, {}, start);
        if (end != start) QTest::mouseMove(ruler, end);
        QTest::mouseRelease(ruler, Qt::LeftButton, {}, end);
    }
    ViewerHarness h;
};

// While the button is down the boundaries show on the page and an indicator
// follows the pointer; the release wipes them.
TEST_F(RulerDrag, APressNearABoundaryGrabsItUntilTheRelease) {
    const float b1 = Boundary(1), b2 = Boundary(2);
    PictureBox* ruler = W().Cetvel();
    const ColumnRuler& drag = W().ColumnDrag();
    const QPoint grip(static_cast<int>((b2 - 45) / TwipsPerPixel), 6);
    QTest::mousePress(ruler, Qt::LeftButton, {}, grip);
    EXPECT_EQ(drag.SelectedColumn(), 2);
    EXPECT_TRUE(drag.IndicatorVisible());
    EXPECT_EQ(drag.IndicatorX(), grip.x() * TwipsPerPixel);
    EXPECT_EQ(BoundaryLinePixel(b1), DarkRed);
    EXPECT_EQ(BoundaryLinePixel(b2), DarkRed);
    EXPECT_EQ(RulerBack(), LightYellow);
    QTest::mouseMove(ruler, grip + QPoint(50, 0));
    EXPECT_EQ(drag.IndicatorX(), (grip.x() + 50) * TwipsPerPixel);
    QTest::mouseRelease(ruler, Qt::LeftButton, {}, grip + QPoint(50, 0));
    EXPECT_EQ(BoundaryLinePixel(b1), QColor(Qt::white));
    EXPECT_EQ(BoundaryLinePixel(b2), QColor(Qt::white));
    EXPECT_NE(RulerBack(), LightYellow);
    EXPECT_FALSE(drag.IndicatorVisible());
    EXPECT_EQ(drag.SelectedColumn(), 0);
}

TEST_F(RulerDrag, APressAwayFromEveryBoundaryOrWithAnotherButtonChangesNothing) {
    const auto widths = W().Pages().layout.ColumnWidths;
    PictureBox* ruler = W().Cetvel();
    QTest::mousePress(ruler, Qt::LeftButton, {}, QPoint(1, 6));
    EXPECT_EQ(W().ColumnDrag().SelectedColumn(), 0);
    EXPECT_EQ(RulerBack(), LightYellow);
    QTest::mouseMove(ruler, QPoint(130, 6));
    EXPECT_FALSE(W().ColumnDrag().IndicatorVisible());
    QTest::mouseRelease(ruler, Qt::LeftButton, {}, QPoint(130, 6));
    const QPoint grip(static_cast<int>((Boundary(2) - 45) / TwipsPerPixel), 6);
    QTest::mousePress(ruler, Qt::RightButton, {}, grip);
    QTest::mouseMove(ruler, grip + QPoint(60, 0));
    QTest::mouseRelease(ruler, Qt::RightButton, {}, grip + QPoint(60, 0));
    EXPECT_EQ(W().Pages().layout.ColumnWidths, widths);
}

// The distance counts in character cells as they appear at the zoom; a click
// without a move after a drag must not reuse that drag's distance.
TEST_F(RulerDrag, WidthsChangeByTheDistanceInOnScreenCharacterCells) {
    const struct {
        QAction* zoom;
        float characters;  // drag distance in unscaled character widths
        int change;
    } drags[] = {{W().Menu().GOR_01_01, 3.0f, 3}, {W().Menu().GOR_01_01, 0.0f, 0},
                 {W().Menu().GOR_01_01, 1.4f, 1}, {W().Menu().GOR_01_01, -2.0f, -2},
                 {W().Menu().GOR_01_03, 2.0f, 4}, {W().Menu().GOR_01_03, 1.0f, 2},
                 {W().Menu().GOR_01_02, 2.0f, 3}};
    for (const auto& drag : drags) {
        drag.zoom->trigger();
        const int16_t before = Width(2);
        Drag(Boundary(2) - 20, drag.characters * CharWidth());
        EXPECT_EQ(Width(2), before + drag.change)
            << drag.zoom->text().toStdString() << " " << drag.characters;
    }
}

}  // namespace
