#include <QAction>
#include <QMenu>

#include "ViewerHarness.h"
#include "platform/Twips.h"
#include "viewer/PictureBox.h"
#include "viewer/RulerArithmetic.h"

using namespace Tabulon;

namespace {

// Columns 10, 5 and 20 characters wide at 75 %, the third starting past the
// line's end, and none past the page's fifty. A press reaches from 90 twips
// left of a boundary to 10 right, the later column winning; a drag counts
// whole characters, halves to even, and never leaves less than one. Scroll
// bars hold 16 bits.
TEST(RulerArithmetic, BoundariesHitsDragsAndWidths) {
    ColumnWidthTable widths{};
    widths.fill(1);
    widths[1] = 10, widths[2] = 5, widths[3] = 20;
    PageMetrics metrics;
    metrics.LeftMargin = 850;
    metrics.CharWidth = 120;
    metrics.CharsPerLine = 18;
    RulerView view{widths, metrics, 3, 0.75f};
    std::string found;
    for (const ColumnBoundary& b : ColumnBoundaries(view))
        found += std::to_string(b.column) + "@" + std::to_string(b.x) + " ";
    EXPECT_EQ(found, "1@1537.500000 2@1987.500000 ");
    view.fieldCount = 60;
    metrics.CharsPerLine = 1000;
    EXPECT_EQ(ColumnBoundaries(view).back().column, 50);
    const std::vector<ColumnBoundary> close{{2, 2000.0f}, {3, 2060.0f}};
    for (auto [x, column] :
         {std::pair{1911.0f, 2}, {1910.0f, 0}, {1990.0f, 3}, {2069.5f, 3}, {2070.0f, 0}})
        EXPECT_EQ(HitColumn(close, x), column) << x;
    for (auto [distance, delta] : {std::pair{-360.0f, -3}, {180.0f, 2}, {300.0f, 2}, {60.0f, 0}})
        EXPECT_EQ(DragDeltaFor(1000.0f + distance, 1000.0f, 120), delta) << distance;
    for (auto [width, delta, zoom, result] :
         {std::tuple{10, 3, 0.75f, 14}, {5, -4, 1.0f, 1}, {5, -10, 1.0f, 1}, {5, -3, 0.5f, 1}})
        EXPECT_EQ(DraggedWidth(width, delta, zoom), result) << delta << " " << zoom;
    EXPECT_EQ(ScrollMaximum(12628.5, 8500), 5128);
    EXPECT_EQ(ScrollMaximum(8419, 9500), 0);
    EXPECT_EQ(ScrollMaximum(80000, 100), 32767);
}

class RulerDrag : public ShownViewer {
  protected:
    // Drags on the ruler from `from` twips right of column 2's boundary.
    void Drag(float from, float characters, Qt::MouseButton button = Qt::LeftButton) {
        const float x = ColumnBoundaries(W().Ruler())[1].x + from;
        const QPoint start(static_cast<int>(x / TwipsPerPixel), 6);
        const QPoint end =
            start + QPoint(PixelsFromTwips(characters * W().Pages().metrics.CharWidth), 0);
        QTest::mousePress(W().Cetvel(), button, {}, start);
        if (end != start) QTest::mouseMove(W().Cetvel(), end);
        QTest::mouseRelease(W().Cetvel(), button, {}, end);
    }
    int16_t Width2() { return W().Pages().layout.ColumnWidths[2]; }
};

// A press just left of a boundary drags it with the left button only, by the
// distance in character cells as they appear at the zoom, and a click after a
// drag must not reuse its distance. The width comes back for the next report
// with the same column titles, in the next run too, and is drawn; "Sütun
// Genişliklerini Sıfırla" returns to the measured widths for good.
TEST_F(RulerDrag, ADraggedWidthComesBackForTheSameTitlesUntilReset) {
    const int16_t measured = Width2();
    // The zoom, the drag in unscaled character widths, the width's change.
    const std::tuple<QAction*, float, int, Qt::MouseButton> drags[] = {
        {Menu().GOR_01_01, 3.0f, 3, Qt::LeftButton},
        {Menu().GOR_01_01, 0.0f, 0, Qt::LeftButton},
        {Menu().GOR_01_01, 3.0f, 0, Qt::RightButton},
        {Menu().GOR_01_03, 1.0f, 2, Qt::LeftButton}};
    for (const auto& [zoom, characters, change, button] : drags) {
        SCOPED_TRACE(testing::Message() << characters << " " << button);
        zoom->trigger();
        const int16_t before = Width2();
        Drag(-20, characters, button);
        EXPECT_EQ(Width2(), before + change);
        EXPECT_FALSE(W().ColumnDrag().IndicatorVisible());
    }
    const auto reopen = [this](const std::string& text) {
        h.window.reset();
        ASSERT_TRUE(h.Open(text));
        h.Show();
    };
    reopen(SalesReport(50, "ERTESİ GÜN"));
    EXPECT_EQ(Width2(), measured + 5);
    EXPECT_EQ(W().Ruler().widths[2], measured + 5);

    QTest::keyClick(AltMenu(Qt::Key_G), Qt::Key_T);
    EXPECT_TRUE(QTest::qWaitFor([this, measured] { return Width2() == measured; }));
    EXPECT_EQ(W().Ruler().widths[2], measured);
    reopen(SalesReport(200));
    EXPECT_EQ(Width2(), measured);
}

}  // namespace
