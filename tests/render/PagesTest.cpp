#include <gtest/gtest.h>

#include <tuple>

#include "PageFixture.h"
#include "render/DrawRuler.h"
#include "render/DrawnWidths.h"
#include "render/MeasureReportFont.h"

using namespace Tabulon;

// "margins l,r,t,b printable WxH row height/char width rows x chars".
static std::string Figures(const PageMetrics& m) {
    std::ostringstream out;
    out << m.LeftMargin << ',' << m.RightMargin << ',' << m.TopMargin << ',' << m.BottomMargin
        << ' ' << m.PrintableWidth << 'x' << m.PrintableHeight << ' ' << m.RowHeight << '/'
        << m.CharWidth << ' ' << m.RowsPerPage << 'x' << m.CharsPerLine;
    return out.str();
}

// 14968 / 230 = 65.08 rows less 2 headers and 5, 10286 / 120 = 85.7 characters,
// measured at 100 % in the regular face whatever a drawn page left the target at.
TEST(MeasureReportFont, GivesThePageFiguresAt100PercentRoundingHalvesToEven) {
    RecordingTarget target;
    target.SetScale(0.5);
    target.SetFontBold(true);
    EXPECT_EQ(Figures(MeasureReportFont(target, DefaultPageSetup(1), 2)),
              "810,810,810,810 10286x14968 230/120 58x86");
    EXPECT_EQ(target.Font() + " " + std::to_string(target.FontSize()), "Times New Roman 10.000000");
    EXPECT_TRUE(target.Scale() == 1.0 && !target.FontBold());
    target.textHeight = target.charWidth = 0;
    EXPECT_EQ(Figures(MeasureReportFont(target, DefaultPageSetup(1), 0)),
              "810,810,810,810 10286x14968 1/1 14963x10286");
    const int cases[][3] = {
        {14970, 2, 58}, {14770, 2, 58}, {14870, 2, 58}, {14970, 12, 48}, {2000, 3, 1}};
    for (const auto& [pageSizeY, headers, rows] : cases) {
        PageSetup setup = DefaultPageSetup(1);
        setup.PageSizeY = pageSizeY;
        target.textHeight = 200;
        EXPECT_EQ(MeasureReportFont(target, setup, headers).RowsPerPage, rows) << pageSizeY;
    }
}

// Headers and total markers after the rows still count; titles there do not
// decide the columns, the last row does. Margins larger than the paper,
// across or down, leave one row a page: never none, never more pages than rows.
TEST(OpenReportPages, CountsAsTheWholeReportSaysWhateverTheRoomOrOrder) {
    std::string rows[101];
    for (int i = 1; i <= 100; ++i) rows[i] = rows[i - 1] + "9" + std::to_string(i) + "\ta\t\r\n";
    const struct {
        std::string text;
        int32_t margins[4];      // left, right, top, bottom
        int32_t laidOutAgainAt;  // a page height set after opening, 0 for none
        int32_t rowsPerPage, pageCount;
        int64_t lastPageTotal;
    } cases[] = {{"1A\r\n4++\t\r\n" + rows[59], {15, 15, 15, 15}, 0, 59, 1, 1770},
                 {"1A\r\n4++\t\r\n" + rows[59] + "1B\r\n", {15, 15, 15, 15}, 0, 58, 2, 59},
                 {"1A\r\n" + rows[59] + "4++\t\r\n", {15, 15, 15, 15}, 0, 59, 1, 1770},
                 {"1A\r\n" + rows[3] + "2K\tL\tM\tN\t\r\n", {15, 15, 15, 15}, 0, 59, 1, 0},
                 {"1A\r\n4++\t\r\n" + rows[100],
                  {15, 15, 15, 15},
                  8000,
                  21,
                  5,
                  int64_t{85 + 100} * 8},  // 6130 / 230 - 6
                 {"1A\r\n4++\t\r\n" + rows[7], {15, 15, 1000, 15}, 0, 1, 7, 7},
                 {"1A\r\n4++\t\r\n" + rows[7], {15, 15, 150, 150}, 0, 1, 7, 7},
                 {"1A\r\n4++\t\r\n" + rows[7], {1000, 1000, 15, 15}, 0, 59, 1, 28},
                 {"1A\r\n4++\t\r\n" + rows[7], {0, 0, 0, 1000}, 0, 1, 7, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << &c - cases);
        TempDir dir;
        ReportPages pages;
        RecordingTarget target;
        PageSetup setup = DefaultPageSetup(1);
        std::tie(setup.SpaceX1, setup.SpaceX2, setup.SpaceY1, setup.SpaceY2) =
            std::tie(c.margins[0], c.margins[1], c.margins[2], c.margins[3]);
        WriteBytes(dir.File("r.txt"), c.text);
        LoadOptions options;
        options.locale = NumberLocale::Turkish();
        ASSERT_TRUE(
            OpenReportPages(pages, dir.File("r.txt"), dir.File("B.DAT"), options, target, setup)
                .Ok());
        setup.PageSizeY = c.laidOutAgainAt;
        ASSERT_TRUE(!c.laidOutAgainAt || LayOutPages(pages, target, setup, options.locale).Ok());
        EXPECT_EQ(pages.metrics.RowsPerPage, c.rowsPerPage);
        EXPECT_EQ(pages.totals.pageCount, c.pageCount);
        EXPECT_EQ(pages.totals.table.Get(c.pageCount, 1).scaled / Currency::Scale, c.lastPageTotal);
        EXPECT_EQ(pages.fieldCount, 2);
    }
}

// One character wider than the widest total printed, so none runs into the next column.
TEST(DrawnWidths, HoldTheWidestPrintedTotal) {
    const struct {
        bool pTotals, aTotals;
        std::vector<int64_t> pages;  // page totals of column 1 in whole units
        int16_t width;
        const char* pattern;
        int16_t drawn;
    } cases[] = {{true, true, {20000, 21306}, 5, "#,##0", 7},   // 41.306 running total
                 {true, false, {20000, 21306}, 5, "#,##0", 7},  // 21.306
                 {false, true, {999, 1}, 3, "#,##0", 6},        // 1.000
                 {true, true, {-123456, 100}, 5, "#,##0.00;(#,##0.00)", 13},  // (123.456,00)
                 {false, false, {999999999}, 5, "#,##0", 5},                  // no totals printed
                 {true, true, {12}, 20, "#,##0", 20}};                        // wide enough already
    for (const auto& c : cases) {
        PageFixture f;
        f.setup.pTotals = c.pTotals;
        f.setup.aTotals = c.aTotals;
        f.Columns({{"T", c.width, c.pattern, true}, {"U", 4, c.pattern}});
        for (size_t p = 0; p < c.pages.size(); ++p)
            f.pages.totals.table.Add(static_cast<int64_t>(p) + 1, 1,
                                     Currency{c.pages[p] * Currency::Scale});
        f.pages.totals.pageCount = static_cast<int32_t>(c.pages.size());
        const ColumnWidthTable drawn = DrawnWidths(f.Layout(), f.pages.totals, f.setup, f.locale);
        EXPECT_EQ(drawn[1], c.drawn) << c.pattern << " " << c.pages.back();
        EXPECT_EQ(drawn[2], 4);
    }
}

// Markers stand 120 twips left of each right-hand edge; edges round half to
// even at every step (607.5 -> 608, 1152.5 -> 1152). The third column does not fit.
TEST(DrawRuler, PlacesAMarkerAtEveryFittingColumnBoundary) {
    PageMetrics metrics;
    metrics.LeftMargin = 810;
    metrics.CharWidth = 121;
    metrics.CharsPerLine = 19;
    RecordingTarget ruler(18750, 200);
    DrawRuler(ruler, {192, 255, 255}, {ColumnWidthTable{0, 6, 10, 12}, metrics, 3, 0.75f}, 2);
    ASSERT_EQ(ruler.boxes.size(), 1u);
    EXPECT_EQ(Edges(ruler.boxes[0]), "0,0,18750,200");
    EXPECT_EQ(ruler.boxes[0].colour, (Rgb{192, 255, 255}));
    std::ostringstream markers;
    for (const auto& p : ruler.pictures)
        markers << p.x << ',' << p.y << (p.picture == &NormalMarker() ? " normal|" : " red|");
    EXPECT_EQ(markers.str(), "1032.5,0 normal|1939.5,0 red|");
}
