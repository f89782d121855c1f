#include <gtest/gtest.h>

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

// 14968 / 230 = 65.08 rows, less 2 headers and 5; 10286 / 120 = 85.7
// characters: at 100 % in the regular face, whatever a drawn page left the
// target at. A font that measures as nothing counts as one twip.
TEST(MeasureReportFont, DefaultPageGivesTheKnownFiguresAt100PercentWhateverTheTarget) {
    RecordingTarget target;
    target.SetScale(0.5);
    target.SetFontBold(true);
    EXPECT_EQ(Figures(MeasureReportFont(target, DefaultPageSetup(1), 2)),
              "810,810,810,810 10286x14968 230/120 58x86");
    EXPECT_EQ(target.Font(), "Times New Roman");
    EXPECT_EQ(target.FontSize(), 10.0f);
    EXPECT_EQ(target.Scale(), 1.0);
    EXPECT_FALSE(target.FontBold());
    target.textHeight = target.charWidth = 0;
    EXPECT_EQ(Figures(MeasureReportFont(target, DefaultPageSetup(1), 0)),
              "810,810,810,810 10286x14968 1/1 14963x10286");
}

// Printable height = page - 1620 - 250; rows = height / row height - (headers
// + 5), halves to even; every header record counts, not only the drawn three.
TEST(MeasureReportFont, RowsPerPageRoundsHalvesToEven) {
    const struct {
        int32_t pageSizeY;
        int16_t headerCount;
        double rowHeight;
        int32_t rowsPerPage;
    } cases[] = {{14970, 2, 200, 58},
                 {14770, 2, 200, 58},
                 {14870, 2, 200, 58},
                 {14970, 12, 200, 48},
                 {3000, 3, 230, -3}};  // -3: too small for its font
    for (const auto& c : cases) {
        PageSetup setup = DefaultPageSetup(1);
        setup.PageSizeY = c.pageSizeY;
        RecordingTarget target;
        target.textHeight = c.rowHeight;
        EXPECT_EQ(MeasureReportFont(target, setup, c.headerCount).RowsPerPage, c.rowsPerPage)
            << c.pageSizeY;
    }
}

}  // namespace
