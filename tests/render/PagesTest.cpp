#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <sstream>
#include <tuple>

#include "PageFixture.h"
#include "render/DrawRuler.h"
#include "render/DrawnWidths.h"
#include "render/MeasureReportFont.h"
#include "render/SheetPlacement.h"
#include "render/ShownWidths.h"

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
    const int cases[][3] = {{14970, 2, 58}, {14770, 2, 58}, {14970, 12, 48}, {2000, 3, 1}};
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
    // The report after its first header, the margins (left, right, top, bottom), a page
    // height set after opening (0: none), the rows a page, pages, last page's total.
    const std::tuple<std::string, std::array<int32_t, 4>, int32_t, int32_t, int32_t, int64_t>
        cases[] = {{"4++\t\r\n" + rows[59] + "1B\r\n", {15, 15, 15, 15}, 0, 58, 2, 59},
                   {rows[59] + "4++\t\r\n", {15, 15, 15, 15}, 0, 59, 1, 1770},
                   {rows[3] + "2K\tL\tM\tN\t\r\n", {15, 15, 15, 15}, 0, 59, 1, 0},
                   // 6130 / 230 - 6 rows a page once laid out again
                   {"4++\t\r\n" + rows[100], {15, 15, 15, 15}, 8000, 21, 5, 185 * 8},
                   {"4++\t\r\n" + rows[7], {15, 15, 1000, 15}, 0, 1, 7, 7},
                   {"4++\t\r\n" + rows[7], {1000, 1000, 15, 15}, 0, 59, 1, 28}};
    for (const auto& [text, margins, laidOutAgainAt, rowsPerPage, pageCount, total] : cases) {
        SCOPED_TRACE(testing::Message() << text.size() << " bytes, top margin " << margins[2]);
        PageFixture f;
        std::tie(f.setup.SpaceX1, f.setup.SpaceX2, f.setup.SpaceY1, f.setup.SpaceY2) =
            std::tie(margins[0], margins[1], margins[2], margins[3]);
        f.Open("1A\r\n" + text);
        f.setup.PageSizeY = laidOutAgainAt;
        ASSERT_TRUE(!laidOutAgainAt || LayOutPages(f.pages, f.target, f.setup, f.locale).Ok());
        EXPECT_EQ(f.pages.metrics.RowsPerPage, rowsPerPage);
        EXPECT_EQ(f.pages.totals.pageCount, pageCount);
        EXPECT_EQ(f.pages.totals.table.Get(pageCount, 1).scaled / Currency::Scale, total);
        EXPECT_EQ(f.pages.fieldCount, 2);
    }
}

// Each column is drawn one character wider than the widest text its rows show,
// whatever the loader measured; what is not a number shows as written. The
// numbers are surveyed while the rows are read, or read again when the
// format record comes after them.
TEST(ShownWidths, EveryShownNumberFitsItsColumn) {
    const struct {
        const char* format;
        const char* widths;  // the type-3 record's field, for the length of a Z pattern
        std::vector<std::string> fields;
        int16_t drawn;
    } cases[] = {
        {"Z", "8", {"42", "7"}, 9},           // 00000042
        {"Z", "3", {"123456", "-5"}, 7},      // a code longer than its zeros
        {"Z", "", {"105", "999"}, 4},         // no widths line: codes as written
        {"N", "", {"1234567", "-12"}, 10},    // 1.234.567
        {"2", "", {"999,995", "12"}, 9},      // rounds up to 1.000,00
        {"C", "", {"-1234567,5", "12"}, 15},  // (1.234.567,50)
        {"N", "", {"abc", "1e3"}, 6},         // 1.000, "abc" as written
        {"T", "", {"1234567", "9"}, 7},       // text shows as written
        {"N", "", {"-0,4", "0"}, 4},          // rounds to 0
    };
    for (const auto& c : cases) {
        for (const bool formatAfterRows : {false, true}) {
            SCOPED_TRACE(std::string(c.format) + " " + c.fields[0] +
                         (formatAfterRows ? ", format after the rows" : ""));
            const std::string format = "5" + std::string(c.format) + "\t\r\n";
            std::string text = "1RAPOR\r\n2K\t\r\n3" + std::string(c.widths) + "\t\r\n";
            if (!formatAfterRows) text += format;
            for (const auto& field : c.fields) text += "9" + field + "\t\r\n";
            if (formatAfterRows) text += format;
            PageFixture f;
            f.Open(text);
            EXPECT_EQ(f.pages.Widths(f.setup, f.locale)[1], c.drawn);
        }
    }
    // Numbers surveyed under one format, shown as text by a later one.
    PageFixture text;
    text.Open("1RAPOR\r\n2K\t\r\n5N\t\r\n91234567\t\r\n5T\t\r\n");
    EXPECT_EQ(text.pages.Widths(text.setup, text.locale)[1], 7);
}

// One character wider than the widest total printed, so none runs into the next column.
TEST(DrawnWidths, HoldTheWidestPrintedTotal) {
    // Page and cumulative totals printed, page totals of column 1 in whole
    // units, its width and pattern, the width drawn.
    const std::tuple<bool, bool, std::vector<int64_t>, int16_t, const char*, int16_t> cases[] = {
        {true, true, {20000, 21306}, 5, "#,##0", 7},                 // 41.306 running total
        {true, false, {99999, 1}, 3, "#,##0", 7},                    // 99.999, not 100.000
        {false, true, {999, 1}, 3, "#,##0", 6},                      // 1.000
        {true, true, {-123456, 100}, 5, "#,##0.00;(#,##0.00)", 13},  // (123.456,00)
        {false, false, {999999999}, 5, "#,##0", 5},                  // no totals printed
        {true, true, {12}, 20, "#,##0", 20}};                        // wide enough already
    for (const auto& [pTotals, aTotals, pages, width, pattern, shown] : cases) {
        PageFixture f;
        f.setup.pTotals = pTotals;
        f.setup.aTotals = aTotals;
        f.Columns({{"T", width, pattern, true}, {"U", 4, pattern}});
        for (size_t p = 0; p < pages.size(); ++p)
            f.pages.totals.table.Add(static_cast<int64_t>(p) + 1, 1,
                                     Currency{pages[p] * Currency::Scale});
        f.pages.totals.pageCount = static_cast<int32_t>(pages.size());
        const ColumnWidthTable drawn = DrawnWidths(f.Layout(), f.pages.totals, f.setup, f.locale);
        EXPECT_EQ(drawn[1], shown) << pattern << " " << pages.back();
        EXPECT_EQ(drawn[2], 4);
    }
}

// The drawn widths are kept between pages; each thing they come from, changed
// alone after they were asked for, must change the next answer to a fresh count's.
TEST(DrawnWidths, FollowEveryChangeOfWhatTheyComeFrom) {
    const std::pair<const char*, std::function<void(PageFixture&)>> changes[] = {
        {"the ruler", [](PageFixture& f) { f.Layout().ColumnWidths[2] = 30; }},
        {"the pattern", [](PageFixture& f) { f.Layout().ColumnFormats[2] = "#,##0.000"; }},
        {"not totalled", [](PageFixture& f) { f.Layout().ColumnTotalFlags[2] = false; }},
        {"a total added",
         [](PageFixture& f) { f.pages.totals.table.Add(2, 2, Currency{int64_t{1} << 50}); }},
        {"the page count", [](PageFixture& f) { f.pages.totals.pageCount = 1; }},
        {"no totals lines", [](PageFixture& f) { f.setup.pTotals = f.setup.aTotals = false; }},
        {"the locale", [](PageFixture& f) { f.locale.groupSeparator = "'''"; }},
        {"a number shown", [](PageFixture& f) { f.pages.shownWidths[2] = 40; }}};
    for (const auto& [change, apply] : changes) {
        SCOPED_TRACE(change);
        PageFixture f;
        f.Columns({{"Ad", 6, ""}, {"Tutar", 8, "#,##0.00", true}});
        f.pages.metrics.RowsPerPage = 2;
        f.Rows({{"a", "1.234,50"}, {"b", "-7.500,25"}, {"c", "900.000"}});
        const ColumnWidthTable before = f.pages.Widths(f.setup, f.locale);
        apply(f);
        ColumnWidthTable fresh = DrawnWidths(f.Layout(), f.pages.totals, f.setup, f.locale);
        WidenForShownNumbers(fresh, f.pages.shownWidths);
        EXPECT_NE(fresh, before);
        EXPECT_EQ(f.pages.Widths(f.setup, f.locale), fresh);
    }
}

// Markers stand 120 twips left of each right-hand edge; edges round half to
// even at every step (607.5 -> 608, 1152.5 -> 1152). The third column does not fit.
TEST(DrawRuler, PlacesAMarkerAtEveryFittingColumnBoundary) {
    PageMetrics metrics;
    metrics.LeftMargin = 810;
    metrics.CharWidth = 121;
    metrics.CharsPerLine = 19;
    RecordingTarget ruler;
    DrawRuler(ruler, {192, 255, 255}, {ColumnWidthTable{0, 6, 10, 12}, metrics, 3, 0.75f}, 2);
    ASSERT_EQ(ruler.boxes.size(), 1u);
    const RecordingTarget::BoxOp& strip = ruler.boxes[0];
    EXPECT_EQ(std::tie(strip.x1, strip.y1, strip.x2, strip.y2, strip.colour),
              std::tuple(0.0, 0.0, 25000.0, 16838.0, Rgb{192, 255, 255}));
    std::ostringstream markers;
    for (const auto& p : ruler.pictures)
        markers << p.x << ',' << p.y << (p.picture == &NormalMarker() ? " normal|" : " red|");
    EXPECT_EQ(markers.str(), "1032.5,0 normal|1939.5,0 red|");
}

// Only a page whose cells run past the printable width with "Sığdır" on is
// shrunk, and only the columns the report has count. The margins stay where the
// setup puts them: the page's top-left margin corner, right margin and bottom
// margin land on the paper's, whatever the paper.
TEST(SheetPlacement, ShrinksOnlyAWidePageWhenAskedKeepingTheMargins) {
    // "Sığdır", the paper's width and height, the report's column widths and
    // fields, and whether it is shrunk. 85 characters fit A4's printable width;
    // with one field the second column is not the report's.
    const std::tuple<bool, int32_t, int32_t, ColumnWidthTable, int, bool> cases[] = {
        {false, 11906, 16838, {0, 60, 60}, 2, false}, {true, 11906, 16838, {0, 40, 45}, 2, false},
        {true, 11906, 16838, {0, 40, 60}, 1, false},  {true, 11906, 16838, {0, 40, 46}, 2, true},
        {true, 16838, 11906, {0, 150, 150}, 2, true}, {true, 21600, 15840, {0, 85, 86}, 2, true},
        {true, 8391, 11906, {0, 45, 45}, 2, true}};
    for (const auto& [fit, width, height, widths, fieldCount, scaled] : cases) {
        SCOPED_TRACE(testing::Message() << width << "x" << height << " " << widths[2]);
        PageSetup setup = DefaultPageSetup(width > height ? 2 : 1);
        setup.PageSizeX = width;
        setup.PageSizeY = height;
        setup.FitToPaper = fit;
        PageMetrics metrics = PageFixture().pages.metrics;
        metrics.PrintableWidth = width - 2 * 810;
        const SheetPlacement placed = PlaceOnPaper(setup, metrics, widths, fieldCount);
        const PageSetup drawn = DrawnSetup(setup, placed);
        ASSERT_EQ(placed.Scaled(), scaled);
        if (!scaled) {
            EXPECT_EQ(placed, SheetPlacement{});
            EXPECT_EQ(drawn, setup);
            continue;
        }
        const auto onPaper = [&](double x, double y) {
            return std::pair(placed.left + placed.scale * x, placed.top + placed.scale * y);
        };
        EXPECT_NEAR(onPaper(810, 0).first, 810, 1e-6);
        EXPECT_NEAR(onPaper(0, 810).second, 810, 1e-6);
        EXPECT_NEAR(onPaper(810 + (widths[1] + widths[2]) * 120, 0).first, width - 810, 1e-6);
        EXPECT_NEAR(onPaper(placed.pageWidth - 810, 0).first, width - 810, 1.0);
        EXPECT_NEAR(onPaper(0, placed.pageHeight - 810).second, height - 810, 1.0);
        EXPECT_TRUE(drawn.PageSizeX == placed.pageWidth && drawn.PageSizeY == placed.pageHeight);
    }
}
