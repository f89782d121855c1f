#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "ViewerHarness.h"
#include "core/Rounding.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"
#include "viewer/RulerArithmetic.h"
#include "platform/Twips.h"

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
    int32_t CharWidth() { return W().View().metrics.CharWidth; }
    int16_t Width(int column) { return h.model.ColumnWidths[static_cast<size_t>(column)]; }
    float Boundary(int column) {
        for (const ColumnBoundary& b : ColumnBoundaries(h.model, W().View()))
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
    W().Cetvel_MouseDown(1, 0, b2 - 89, 100);
    EXPECT_EQ(W().SelectedColumn(), 2);
    EXPECT_TRUE(W().Line2Visible());
    EXPECT_EQ(W().Line2X(), RoundHalfEven(b2 - 89));
    EXPECT_EQ(BoundaryLinePixel(b1), DarkRed);
    EXPECT_EQ(BoundaryLinePixel(b2), DarkRed);
    EXPECT_EQ(RulerBack(), LightYellow);
    W().Cetvel_MouseMove(1, 0, b2 + 700, 100);
    EXPECT_EQ(W().Line2X(), RoundHalfEven(b2 + 700));
    W().Cetvel_MouseMove(3, 0, b2 + 1400, 100);  // not the left button: nothing
    EXPECT_EQ(W().Line2X(), RoundHalfEven(b2 + 700));
    W().Cetvel_MouseUp(1, 0, b2 + 700, 100);
    EXPECT_EQ(BoundaryLinePixel(b1), QColor(Qt::white));
    EXPECT_EQ(BoundaryLinePixel(b2), QColor(Qt::white));
    EXPECT_NE(RulerBack(), LightYellow);
    EXPECT_FALSE(W().Line2Visible());
    EXPECT_EQ(W().SelectedColumn(), 0);
}

TEST_F(RulerDrag, APressAwayFromEveryBoundaryChangesNothing) {
    const auto widths = h.model.ColumnWidths;
    W().Cetvel_MouseDown(1, 0, 10, 100);
    EXPECT_EQ(W().SelectedColumn(), 0);
    EXPECT_EQ(RulerBack(), LightYellow);
    W().Cetvel_MouseMove(1, 0, 2000, 100);
    EXPECT_FALSE(W().Line2Visible());
    W().Cetvel_MouseUp(1, 0, 2000, 100);
    EXPECT_EQ(h.model.ColumnWidths, widths);
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
