#include <gtest/gtest.h>

#include <algorithm>

#include "PageFixture.h"
#include "render/MeasureReportFont.h"

namespace {

// "margins left,right,top,bottom printable WxH row height/char width rows x chars".
std::string Figures(const PageMetrics& m) {
    std::ostringstream out;
    out << m.LeftMargin << ',' << m.RightMargin << ',' << m.TopMargin << ',' << m.BottomMargin
        << ' ' << m.PrintableWidth << 'x' << m.PrintableHeight << ' ' << m.RowHeight << '/'
        << m.CharWidth << ' ' << m.RowsPerPage << 'x' << m.CharsPerLine;
    return out.str();
}

TEST(MeasureReportFont, DefaultPageGivesTheKnownFigures) {
    PageFixture f;
    f.model.HeaderCount = 2;
    f.view.metrics = {};
    f.target.SetFontBold(true);  // as a drawn page leaves it
    MeasureReportFont(f.target, f.model, f.view);
    // 14968 / 230 = 65.08 rows, less 2 headers and 5; 10286 / 120 = 85.7 characters.
    EXPECT_EQ(Figures(f.view.metrics), "810,810,810,810 10286x14968 230/120 58x86");
    EXPECT_EQ(f.target.Font(), "Times New Roman");
    EXPECT_EQ(f.target.FontSize(), 10.0f);
    EXPECT_FALSE(f.target.FontBold());
    const auto& measured = f.target.measured;
    EXPECT_NE(std::find(measured.begin(), measured.end(), "0123456789"), measured.end());
}

TEST(MeasureReportFont, RowsPerPageRoundsHalvesToEven) {
    const struct {
        int32_t pageSizeY;
        int16_t headerCount;
        double rowHeight;
        int32_t rowsPerPage;
    } cases[] = {
        // Printable height = page - 1620 - 250; rows = height / row height - (headers + 5).
        {14970, 2, 200, 58},   // 65.5 - 7 = 58.5
        {14770, 2, 200, 58},   // 64.5 - 7 = 57.5
        {14870, 2, 200, 58},   // 65 - 7
        {14970, 12, 200, 48},  // every header record counts, not only the drawn three
        {3000, 3, 230, -3},    // a page too small for its font
    };
    for (const auto& c : cases) {
        PageFixture f;
        f.model.PageSizeY = c.pageSizeY;
        f.model.HeaderCount = c.headerCount;
        f.target.textHeight = c.rowHeight;
        MeasureReportFont(f.target, f.model, f.view);
        EXPECT_EQ(f.view.metrics.RowsPerPage, c.rowsPerPage) << c.pageSizeY;
    }
}

TEST(MeasureReportFont, IgnoresTheZoomAndMeasuresAnEmptyFontAsOneTwip) {
    for (float zoom : {1.0f, 0.75f, 0.5f}) {
        PageFixture f;
        f.view.ZoomFactor = zoom;
        MeasureReportFont(f.target, f.model, f.view);
        EXPECT_EQ(f.target.FontSize(), 10.0f);
        EXPECT_EQ(Figures(f.view.metrics), "810,810,810,810 10286x14968 230/120 60x86") << zoom;
    }
    PageFixture f;
    f.target.textHeight = f.target.charWidth = 0;
    MeasureReportFont(f.target, f.model, f.view);
    EXPECT_EQ(Figures(f.view.metrics), "810,810,810,810 10286x14968 1/1 14963x10286");
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
