#include <gtest/gtest.h>

#include "PageFixture.h"
#include "render/MeasureReportFont.h"

namespace {

TEST(MeasureReportFont, DefaultPageGivesTheKnownFigures) {
    PageFixture f;
    f.model.HeaderCount = 2;
    f.view.metrics = {};
    f.target.SetFontBold(true);  // as a drawn page leaves it
    MeasureReportFont(f.target, f.model, f.view);
    const PageMetrics& m = f.view.metrics;
    EXPECT_EQ(m.LeftMargin, 810);
    EXPECT_EQ(m.RightMargin, 810);
    EXPECT_EQ(m.TopMargin, 810);
    EXPECT_EQ(m.BottomMargin, 810);
    EXPECT_EQ(m.PrintableWidth, 10286);
    EXPECT_EQ(m.PrintableHeight, 14968);
    EXPECT_EQ(m.RowHeight, 230);
    EXPECT_EQ(m.CharWidth, 120);
    EXPECT_EQ(m.RowsPerPage, 58);   // 14968 / 230 = 65.08, less 2 + 5
    EXPECT_EQ(m.CharsPerLine, 86);  // 10286 / 120 = 85.7
    EXPECT_EQ(f.target.Font(), "Times New Roman");
    EXPECT_EQ(f.target.FontSize(), 10.0f);
    EXPECT_FALSE(f.target.FontBold());
    // The two texts measured are the digits and the capitals with digits.
    EXPECT_NE(std::find(f.target.measured.begin(), f.target.measured.end(), "0123456789"),
              f.target.measured.end());
}

TEST(MeasureReportFont, RowsPerPageRoundsHalvesToEven) {
    struct Case {
        int32_t pageSizeY;
        int16_t headerCount;
        double rowHeight;
        int32_t rowsPerPage;
    };
    // Printable height = page - 1620 - 250; rows = height / row height - (headers + 5).
    const Case cases[] = {
        {14970, 2, 200, 58},   // 65.5 - 7 = 58.5
        {14770, 2, 200, 58},   // 64.5 - 7 = 57.5
        {14870, 2, 200, 58},   // 65 - 7
        {14970, 12, 200, 48},  // every header record counts, not only the drawn three
        {3000, 3, 230, -3},    // a page too small for its font
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pageSizeY);
        PageFixture f;
        f.model.PageSizeY = c.pageSizeY;
        f.model.HeaderCount = c.headerCount;
        f.target.textHeight = c.rowHeight;
        MeasureReportFont(f.target, f.model, f.view);
        EXPECT_EQ(f.view.metrics.RowsPerPage, c.rowsPerPage);
    }
}

TEST(MeasureReportFont, FontSizeIsNotZoomedAndMetricsIgnoreTheZoom) {
    PageMetrics at100;
    for (float zoom : {1.0f, 0.75f, 0.5f}) {
        PageFixture f;
        f.view.ZoomFactor = zoom;
        MeasureReportFont(f.target, f.model, f.view);
        EXPECT_EQ(f.target.FontSize(), 10.0f);
        if (zoom == 1.0f) at100 = f.view.metrics;
        EXPECT_EQ(f.view.metrics.RowHeight, at100.RowHeight);
        EXPECT_EQ(f.view.metrics.CharWidth, at100.CharWidth);
        EXPECT_EQ(f.view.metrics.RowsPerPage, at100.RowsPerPage);
        EXPECT_EQ(f.view.metrics.CharsPerLine, at100.CharsPerLine);
    }
}

TEST(MeasureReportFont, AnEmptyFontMeasuresAsOneTwip) {
    PageFixture f;
    f.target.textHeight = 0;
    f.target.charWidth = 0;
    MeasureReportFont(f.target, f.model, f.view);
    EXPECT_EQ(f.view.metrics.RowHeight, 1);
    EXPECT_EQ(f.view.metrics.CharWidth, 1);
    EXPECT_EQ(f.view.metrics.CharsPerLine, 10286);
}

TEST(MeasureReportFont, EndsWithTheTotalsPass) {
    PageFixture f;
    f.Columns({{"Tutar", 10, "#,##0.00", true}});
    f.view.metrics.RowsPerPage = 1000;
    f.Rows({{"1,00"}, {"2,00"}, {"3,00"}});
    EXPECT_EQ(f.model.PageCount, 1);
    f.model.PageSizeY = 2000;  // leaves room for no row at all
    f.model.HeaderCount = 0;
    MeasureReportFont(f.target, f.model, f.view);
    EXPECT_LE(f.view.metrics.RowsPerPage, 0);
    EXPECT_EQ(f.model.PageCount, 4);  // every row on a page of its own after an empty first
    EXPECT_EQ(f.model.PageTotals.Get(4, 1), Currency{30000});
}

}  // namespace
