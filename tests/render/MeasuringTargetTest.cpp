#include <gtest/gtest.h>

#include "PageFixture.h"
#include "render/MeasuringTarget.h"

using namespace Tabulon;

// A page laid out on a measuring target finds what drawing it finds (the
// columns that fit, the field count its last row leaves), and the target
// measured for it is given nothing to draw.
TEST(MeasuringTarget, FindsWhatDrawingFindsAndDrawsNothing) {
    PageFixture f;
    f.Columns({{"Kod", 6, "000000"}, {"Ad", 90, "@"}, {"Tutar", 12, "#,##0.00", true}});
    f.Rows({{"1", "Ayşe", "10,50"}, {"2"}});
    const PageDrawing drawn = f.Render();
    ASSERT_FALSE(f.target.texts.empty());
    f.target.Clear();
    MeasuringTarget measuring(f.target);
    const PageDrawing measured =
        RenderPage(measuring, f.pages.Inputs(f.setup, f.locale, {2026, 11, 30, 17, 45}), 1, 1.0f,
                   f.pages.fieldCount);
    EXPECT_EQ(measured.fieldCount, 1);
    EXPECT_EQ(measured.fieldCount, drawn.fieldCount);
    EXPECT_EQ(measured.ColumnFits, drawn.ColumnFits);
    EXPECT_FALSE(measured.ColumnFits[3]);
    EXPECT_TRUE(f.target.texts.empty() && f.target.boxes.empty() && f.target.pictures.empty());
}
