#include <gtest/gtest.h>

#include <set>

#include "PageFixture.h"
#include "render/DrawRuler.h"

namespace {

TEST(DrawRuler, PlacesAMarkerAtEveryFittingColumnBoundary) {
    // Widths 6, 10, 12, the third not fitting; markers stand 120 twips left
    // of each right-hand edge, column 2's highlighted, each with a white point.
    const struct {
        float zoom;
        int32_t charWidth;
        std::string markers;
    } cases[] = {
        {1.0f, 120, "1410,0 normal|2610,0 highlighted|"},
        // At 75 % with 121-twip characters: p = R(607.5) = 608, then 1152.5 -> 1152.
        {0.75f, 121, "1032.5,0 normal|1939.5,0 highlighted|"},
    };
    for (const auto& c : cases) {
        const ColumnWidthTable widths{0, 6, 10, 12};
        PageMetrics metrics;
        metrics.LeftMargin = 810;
        metrics.CharWidth = c.charWidth;
        const ColumnFlags fits{false, true, true, false};
        RecordingTarget ruler(static_cast<int32_t>(25000 * c.zoom), 200);
        DrawRuler(ruler, {192, 255, 255}, {widths, metrics, fits, 3, c.zoom}, 2);
        ASSERT_EQ(ruler.boxes.size(), 1u);
        EXPECT_EQ(Edges(ruler.boxes[0]), "0,0," + std::to_string(ruler.width) + ",200");
        EXPECT_EQ(ruler.boxes[0].colour, (Rgb{192, 255, 255}));
        std::ostringstream markers;
        for (size_t i = 0; i < ruler.pictures.size(); ++i) {
            const auto& p = ruler.pictures[i];
            markers << p.x << ',' << p.y
                    << (p.picture == &NormalMarker() ? " normal|" : " highlighted|");
            EXPECT_EQ(ruler.points.at(i).x, p.x);
            EXPECT_EQ(ruler.points.at(i).colour, White);
        }
        EXPECT_EQ(markers.str(), c.markers);
    }
}

TEST(DrawRuler, MarkersAreTrianglesPointingDown) {
    const Picture& normal = NormalMarker();
    const Picture& red = HighlightedMarker();
    constexpr uint32_t Black = 0xFF000000;
    for (const Picture* p : {&normal, &red}) {
        ASSERT_EQ(p->width, 21);
        ASSERT_EQ(p->height, 12);
        // The top edge, the sloping sides and the tip 90 twips from the left edge.
        for (int x = 1; x <= 11; ++x) EXPECT_EQ(p->At(x, 4), Black) << x;
        for (auto [x, y] : {std::pair{2, 5}, {10, 5}, {6, 9}}) EXPECT_EQ(p->At(x, y), Black);
        for (auto [x, y] : {std::pair{0, 4}, {12, 4}, {6, 10}}) EXPECT_EQ(p->At(x, y) >> 24, 0u);
    }
    // Inside: transparent in the normal marker, a two-red checkerboard in the other.
    EXPECT_EQ(normal.At(6, 6) >> 24, 0u);
    const uint32_t a = red.At(6, 6), b = red.At(7, 6);
    EXPECT_EQ(red.At(6, 7), b);
    EXPECT_EQ(red.At(7, 7), a);
    EXPECT_EQ(std::set({a, b}), std::set<uint32_t>({0xFF660000, 0xFF990000}));
}

}  // namespace
