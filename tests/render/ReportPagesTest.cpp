#include <gtest/gtest.h>

#include "PageFixture.h"
#include "render/DrawnWidths.h"

namespace {

// A totalled column is drawn at least one character wider than the widest
// total it prints, so no total runs into the next column.
TEST(DrawnWidths, HoldTheWidestPrintedTotal) {
    const struct {
        bool pTotals, aTotals;
        std::vector<int64_t> pages;  // page totals of column 1 in whole units
        int16_t width;
        const char* pattern;
        int16_t drawn;
    } cases[] = {
        {true, true, {20000, 21306}, 5, "#,##0", 7},                 // 41.306 running total
        {true, false, {20000, 21306}, 5, "#,##0", 7},                // 21.306
        {false, true, {999, 1}, 3, "#,##0", 6},                      // 1.000
        {true, true, {-123456, 100}, 5, "#,##0.00;(#,##0.00)", 13},  // (123.456,00)
        {false, false, {999999999}, 5, "#,##0", 5},                  // no totals printed
        {true, true, {12}, 20, "#,##0", 20},                         // wide enough already
    };
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

std::string Rows(int count) {
    std::string rows;
    for (int i = 1; i <= count; ++i) rows += "9" + std::to_string(i) + "\ta\t\r\n";
    return rows;
}

// Pages are counted as the whole report says even when its description comes
// late: one row height less per header record (59 rows on a page with one,
// 58 with two), the total markers after the rows still count, and the titles
// after the rows do not decide the columns: the last row does. A new setup
// counts again.
TEST(OpenReportPages, CountsAsTheWholeReportSaysEvenWhenItsDescriptionComesLate) {
    const struct {
        std::string text;
        int32_t laidOutAgainAt;  // a page height set after opening, 0 for none
        int32_t rowsPerPage, pageCount;
        int64_t lastPageTotal;
    } cases[] = {
        {"1A\r\n4++\t\r\n" + Rows(59), 0, 59, 1, 1770},
        {"1A\r\n4++\t\r\n" + Rows(59) + "1B\r\n", 0, 58, 2, 59},
        {"1A\r\n" + Rows(59) + "4++\t\r\n", 0, 59, 1, 1770},
        {"1A\r\n" + Rows(3) + "2K\tL\tM\tN\t\r\n", 0, 59, 1, 0},
        {"1A\r\n4++\t\r\n" + Rows(100), 8000, 21, 5, (85 + 100) * 8},  // 6130 / 230 - 6
    };
    for (const auto& c : cases) {
        TempDir dir;
        ReportPages pages;
        RecordingTarget target;
        PageSetup setup = DefaultPageSetup(1);
        WriteBytes(dir.File("r.txt"), c.text);
        LoadOptions options;
        options.locale = NumberLocale::Turkish();
        ASSERT_TRUE(OpenReportPages(pages, dir.File("r.txt"), dir.File("BUFFILE.DAT"), options,
                                    target, setup)
                        .Ok());
        if (c.laidOutAgainAt) {
            ASSERT_EQ(pages.totals.pageCount, 2);
            setup.PageSizeY = c.laidOutAgainAt;
            ASSERT_TRUE(LayOutPages(pages, target, setup, NumberLocale::Turkish()).ok);
        }
        EXPECT_EQ(pages.metrics.RowsPerPage, c.rowsPerPage);
        EXPECT_EQ(pages.totals.pageCount, c.pageCount);
        EXPECT_EQ(pages.totals.table.Get(c.pageCount, 1).scaled / Currency::Scale, c.lastPageTotal);
        EXPECT_EQ(pages.fieldCount, 2);
    }
}

}  // namespace
