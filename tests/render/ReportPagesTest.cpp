#include <gtest/gtest.h>

#include <algorithm>

#include "PageFixture.h"
#include "render/DrawnWidths.h"

namespace {

// A column is drawn at least one character wider than the widest total it
// prints, so no total runs into the next column.
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

// One row height more per header record: 59 rows on a page with one, 58 with two.
struct Opened {
    TempDir dir;
    ReportPages pages;
    RecordingTarget target;
    PageSetup setup = DefaultPageSetup(1);
    LoadResult result;
    explicit Opened(const std::string& text) {
        WriteBytes(dir.File("r.txt"), text);
        LoadOptions options;
        options.locale = NumberLocale::Turkish();
        target.textHeight = 230;
        result = OpenReportPages(pages, dir.File("r.txt"), dir.File("BUFFILE.DAT"), options, target,
                                 setup);
    }
};

std::string Rows(int count) {
    std::string rows;
    for (int i = 1; i <= count; ++i) rows += "9" + std::to_string(i) + "\t" + "a\t\r\n";
    return rows;
}

TEST(OpenReportPages, CountsAsTheWholeReportSaysEvenWhenItsDescriptionComesLate) {
    const struct {
        std::string text;
        int32_t rowsPerPage, pageCount;
        int64_t lastPageTotal;
        int fieldCount;
    } cases[] = {
        {"1A\r\n4++\t\r\n" + Rows(59), 59, 1, 1770, 2},
        // A second header after the rows takes a row off every page.
        {"1A\r\n4++\t\r\n" + Rows(59) + "1B\r\n", 58, 2, 59, 2},
        // The total marker after the rows still counts.
        {"1A\r\n" + Rows(59) + "4++\t\r\n", 59, 1, 1770, 2},
        // The titles after the rows do not decide the columns: the last row does.
        {"1A\r\n" + Rows(3) + "2K\tL\tM\tN\t\r\n", 59, 1, 0, 2},
    };
    for (const auto& c : cases) {
        Opened o(c.text);
        ASSERT_TRUE(o.result.Ok());
        EXPECT_EQ(o.pages.metrics.RowsPerPage, c.rowsPerPage);
        EXPECT_EQ(o.pages.totals.pageCount, c.pageCount);
        EXPECT_EQ(o.pages.totals.table.Get(c.pageCount, 1).scaled / Currency::Scale,
                  c.lastPageTotal);
        EXPECT_EQ(o.pages.fieldCount, c.fieldCount);
    }
}

// The rows are read once when the description comes first: the progress
// heard is the loader's bytes alone. A description after the rows takes a
// second pass over the rows, which counts rows instead.
TEST(OpenReportPages, ReadsTheRowsOnceWhenTheDescriptionComesFirst) {
    for (const bool late : {false, true}) {
        TempDir dir;
        const std::string text =
            late ? "1A\r\n" + Rows(5000) + "4++\t\r\n" : "1A\r\n4++\t\r\n" + Rows(5000);
        WriteBytes(dir.File("r.txt"), text);
        std::vector<int64_t> totals;
        LoadOptions options;
        options.progress = [&](int64_t, int64_t total) {
            totals.push_back(total);
            return true;
        };
        ReportPages pages;
        RecordingTarget target;
        target.textHeight = 230;
        ASSERT_TRUE(OpenReportPages(pages, dir.File("r.txt"), dir.File("BUFFILE.DAT"), options,
                                    target, DefaultPageSetup(1))
                        .Ok());
        EXPECT_EQ(pages.totals.table.Get(1, 1).scaled / Currency::Scale, 59 * 60 / 2);
        const auto rowCounts = std::count(totals.begin(), totals.end(), 5000);
        EXPECT_EQ(rowCounts > 0, late);
        EXPECT_EQ(static_cast<size_t>(rowCounts) +
                      std::count(totals.begin(), totals.end(), static_cast<int64_t>(text.size())),
                  totals.size());
    }
}

TEST(LayOutPages, CountsAgainForANewSetup) {
    Opened o("1A\r\n4++\t\r\n" + Rows(100));
    ASSERT_EQ(o.pages.totals.pageCount, 2);
    o.setup.PageSizeY = 8000;
    ASSERT_TRUE(LayOutPages(o.pages, o.target, o.setup, NumberLocale::Turkish()).ok);
    EXPECT_EQ(o.pages.metrics.RowsPerPage, 21);  // 6130 / 230 - 6, rounded
    EXPECT_EQ(o.pages.totals.pageCount, 5);
    EXPECT_EQ(o.pages.totals.table.Get(5, 1).scaled / Currency::Scale, (85 + 100) * 8);
}

}  // namespace
