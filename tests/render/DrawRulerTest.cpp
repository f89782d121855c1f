#include <gtest/gtest.h>

#include "PageFixture.h"
#include "render/DrawRuler.h"

namespace {

// Widths 6, 10, 12, the third not fitting; markers stand 120 twips left of
// each right-hand edge, column 2's highlighted, on the ruler's back colour.
TEST(DrawRuler, PlacesAMarkerAtEveryFittingColumnBoundary) {
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
        PageMetrics metrics;
        metrics.LeftMargin = 810;
        metrics.CharWidth = c.charWidth;
        RecordingTarget ruler(static_cast<int32_t>(25000 * c.zoom), 200);
        DrawRuler(ruler, {192, 255, 255},
                  {ColumnWidthTable{0, 6, 10, 12}, metrics, {false, true, true, false}, 3, c.zoom},
                  2);
        ASSERT_EQ(ruler.boxes.size(), 1u);
        EXPECT_EQ(Edges(ruler.boxes[0]), "0,0," + std::to_string(ruler.width) + ",200");
        EXPECT_EQ(ruler.boxes[0].colour, (Rgb{192, 255, 255}));
        std::ostringstream markers;
        for (const auto& p : ruler.pictures)
            markers << p.x << ',' << p.y
                    << (p.picture == &NormalMarker() ? " normal|" : " highlighted|");
        EXPECT_EQ(markers.str(), c.markers);
    }
}

}  // namespace
