#include <gtest/gtest.h>

#include "PageFixture.h"
#include "render/DrawRuler.h"

namespace {

constexpr uint32_t Black = 0xFF000000;

TEST(DrawRuler, PlacesAMarkerAtEveryFittingColumnBoundary) {
    struct Case {
        float zoom;
        int32_t charWidth;
        std::vector<double> x;
    };
    // Widths 6, 10, 12; markers stand 120 twips left of each right-hand edge.
    const Case cases[] = {
        {1.0f, 120, {1410, 2610}},
        // At 75 % with 121-twip characters: p = R(607.5) = 608, then 1152.5 -> 1152.
        {0.75f, 121, {608 + 544.5 - 120, 1152 + 907.5 - 120}},
    };
    for (const Case& c : cases) {
        PageFixture f;
        f.Columns({{"a", 6, ""}, {"b", 10, ""}, {"c", 12, ""}});
        f.view.ZoomFactor = c.zoom;
        f.view.metrics.CharWidth = c.charWidth;
        f.view.ColumnFits[1] = f.view.ColumnFits[2] = true;
        f.view.ColumnFits[3] = false;
        RecordingTarget ruler(static_cast<int32_t>(25000 * c.zoom), 200);
        DrawRuler({&ruler, {192, 255, 255}}, f.model, f.view, 2);

        ASSERT_EQ(ruler.boxes.size(), 1u);
        EXPECT_EQ(ruler.boxes[0].x1, 0);
        EXPECT_EQ(ruler.boxes[0].x2, ruler.width);
        EXPECT_EQ(ruler.boxes[0].y2, 200);
        EXPECT_TRUE(ruler.boxes[0].filled);
        EXPECT_EQ(ruler.boxes[0].colour, (Rgb{192, 255, 255}));
        ASSERT_EQ(ruler.pictures.size(), c.x.size());
        for (size_t i = 0; i < c.x.size(); ++i) {
            EXPECT_DOUBLE_EQ(ruler.pictures[i].x, c.x[i]);
            EXPECT_EQ(ruler.pictures[i].y, 0);
            EXPECT_DOUBLE_EQ(ruler.points[i].x, c.x[i]);
            EXPECT_EQ(ruler.points[i].colour, White);
        }
        EXPECT_EQ(ruler.pictures[0].picture, &NormalMarker());
        EXPECT_EQ(ruler.pictures[1].picture, &HighlightedMarker());
    }
}

TEST(DrawRuler, NoSurfaceDrawsNothing) {
    PageFixture f;
    f.Columns({{"a", 6, ""}});
    DrawRuler({}, f.model, f.view, 0);  // must not crash
}

TEST(DrawRuler, MarkersAreTrianglesPointingDown) {
    const Picture& normal = NormalMarker();
    const Picture& red = HighlightedMarker();
    for (const Picture* p : {&normal, &red}) {
        ASSERT_EQ(p->width, 21);
        ASSERT_EQ(p->height, 12);
        for (int x = 1; x <= 11; ++x) EXPECT_EQ(p->At(x, 4), Black) << x;
        EXPECT_EQ(p->At(6, 9), Black);  // the tip: 90 twips from the left edge
        EXPECT_EQ(p->At(0, 4) >> 24, 0u);
        EXPECT_EQ(p->At(12, 4) >> 24, 0u);
        EXPECT_EQ(p->At(6, 10) >> 24, 0u);
        EXPECT_EQ(p->At(2, 5), Black);  // the sloping sides
        EXPECT_EQ(p->At(10, 5), Black);
    }
    // Inside: transparent in the normal marker, a two-red checkerboard in the other.
    EXPECT_EQ(normal.At(6, 6) >> 24, 0u);
    const uint32_t a = red.At(6, 6), b = red.At(7, 6), c = red.At(6, 7);
    EXPECT_NE(a, b);
    EXPECT_EQ(a, c == b ? a : c == a ? b : 0u);  // neighbours alternate
    for (uint32_t colour : {a, b})
        EXPECT_TRUE(colour == 0xFF660000 || colour == 0xFF990000) << std::hex << colour;
}

}  // namespace
