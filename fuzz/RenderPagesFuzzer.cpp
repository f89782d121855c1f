// Opens the fuzzed report as the window does, under a page setup, rows per
// page and a target the input chooses, then draws a few pages (the first two,
// the last two and one the input picks) at the window's three zooms with the
// ruler above each, and runs the paging loop of a print job over a selection
// the input chooses. Besides not crashing: opening lays the pages out as
// laying them out again does, there is at least one page and as many as the
// rows need, the drawn widths are never below the measured ones, a page shows
// the same texts and fitting columns at every zoom, the ruler marks exactly
// the fitting columns from left to right, and the paging loop starts a new
// sheet after every page but the report's last.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdlib>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FixedMetricsTarget.h"
#include "FuzzFolder.h"
#include "ReportLines.h"
#include "core/SettingsStore.h"
#include "render/DrawPages.h"
#include "render/DrawRuler.h"
#include "render/PageSelection.h"
#include "render/RenderPage.h"
#include "render/ReportPages.h"

using namespace Tabulon;

namespace {

constexpr std::array<float, 3> Zooms = {1.0f, 0.75f, 0.5f};
// The paging loop draws only this many of the pages it is given, so a
// report of thousands of pages stays fast.
constexpr int PagesDrawnByTheLoop = 3;

class CountingSheets : public PageSheets {
  public:
    explicit CountingSheets(DrawingTarget& target) : target_(target) {}
    DrawingTarget& Target() override { return target_; }
    void NewPage() override { ++newPages; }
    bool Failed() const override { return false; }

    int newPages = 0;

  private:
    DrawingTarget& target_;
};

// A page setup as a settings file or the page setup dialog may leave it:
// anything, brought within the limits the program keeps it in.
PageSetup FuzzedSetup(FuzzedDataProvider& input) {
    PageSetup setup = DefaultPageSetup(input.ConsumeBool() ? 1 : 2);
    if (input.ConsumeBool()) {
        setup.PageSizeX = input.ConsumeIntegralInRange<int32_t>(0, 80000);
        setup.PageSizeY = input.ConsumeIntegralInRange<int32_t>(0, 80000);
        for (int32_t* margin : {&setup.SpaceX1, &setup.SpaceX2, &setup.SpaceY1, &setup.SpaceY2})
            *margin = input.ConsumeIntegralInRange<int32_t>(-5, 1100);
        setup.FontSize = input.ConsumeIntegralInRange<int16_t>(-5, 450);
        setup = SanePageSetup(setup);
    }
    setup.pTotals = input.ConsumeBool();
    setup.aTotals = input.ConsumeBool();
    setup.pNumbers = input.ConsumeBool();
    return setup;
}

// None (measured), a usual number, or one of the extremes tabulon-export's
// --rows-per-page lets through.
std::optional<int32_t> FuzzedRowsPerPage(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange<int>(0, 7)) {
        case 0:
            return std::numeric_limits<int32_t>::max();
        case 1:
            return std::numeric_limits<int32_t>::min();
        case 2:
        case 3:
            return input.ConsumeIntegralInRange<int32_t>(-3, 100);
        default:
            return std::nullopt;
    }
}

void CheckSameLayout(const ReportPages& pages, const PageTotals& totals,
                     const ColumnWidthTable& widths, const PageSetup& setup,
                     const NumberLocale& locale) {
    if (pages.totals.pageCount != totals.pageCount || pages.Widths(setup, locale) != widths)
        std::abort();
    for (int32_t page = 1; page <= totals.pageCount; ++page)
        for (int c = 1; c <= ReportLayout::TotalledColumns; ++c)
            if (pages.totals.table.Get(page, c) != totals.table.Get(page, c)) std::abort();
}

int DrawnColumns(int fieldCount) {
    return std::clamp(fieldCount, 0, ReportLayout::DescribedColumns);
}

void CheckRuler(const FixedMetricsTarget& ruler, const ColumnFlags& fits, int fieldCount) {
    size_t fitting = 0;
    for (int c = 1; c <= DrawnColumns(fieldCount); ++c) fitting += fits[c] ? 1 : 0;
    if (ruler.pictureXs.size() != fitting) std::abort();
    // The running position is rounded to whole twips after each column, half
    // to even, so a column of no width after a half twip may put its marker
    // half a twip left of the one before; never more.
    for (size_t i = 1; i < ruler.pictureXs.size(); ++i)
        if (ruler.pictureXs[i] < ruler.pictureXs[i - 1] - 0.5) std::abort();
}

// Draws the page at every zoom, the ruler after each; returns the field
// count the drawing leaves.
int DrawAtEveryZoom(FixedMetricsTarget& target, FixedMetricsTarget& ruler, const PageInputs& inputs,
                    int32_t page, int fieldCount, int highlight) {
    std::optional<PageDrawing> first;
    std::vector<std::string> firstTexts;
    for (float zoom : Zooms) {
        target.Clear();
        const auto outcome = RenderPage(target, inputs, page, zoom, fieldCount);
        if (!outcome.Ok()) std::abort();
        const PageDrawing& drawn = outcome.Value();
        if (drawn.fieldCount < 0 || drawn.fieldCount > ReportLayout::MaxFields) std::abort();
        for (int c = DrawnColumns(fieldCount) + 1; c <= ReportLayout::DescribedColumns; ++c)
            if (drawn.ColumnFits[c]) std::abort();
        if (!first) {
            first = drawn;
            firstTexts = target.texts;
        } else if (target.texts != firstTexts || drawn.ColumnFits != first->ColumnFits ||
                   drawn.fieldCount != first->fieldCount) {
            std::abort();
        }
        ruler.Clear();
        DrawRuler(ruler, White, RulerView{inputs.widths, inputs.metrics, fieldCount, zoom},
                  highlight);
        CheckRuler(ruler, drawn.ColumnFits, fieldCount);
    }
    return first->fieldCount;
}

void CheckPagingLoop(FixedMetricsTarget& target, const PageInputs& inputs, int32_t pageCount,
                     int32_t from, int32_t to, int32_t stopAt, int fieldCount) {
    const std::vector<int32_t> chosen = SelectPages(from, to, pageCount).Pages();
    for (size_t i = 0; i < chosen.size(); ++i)
        if (chosen[i] < 1 || chosen[i] > pageCount || (i > 0 && chosen[i] <= chosen[i - 1]))
            std::abort();
    CountingSheets sheets(target);
    std::vector<int32_t> drawn;
    const PagesEnd end = DrawPages(
        sheets, chosen, pageCount,
        [&](DrawingTarget& sheet, int32_t page) {
            if (static_cast<int>(drawn.size()) < PagesDrawnByTheLoop)
                fieldCount = RenderPage(sheet, inputs, page, 1.0f, fieldCount)->fieldCount;
            drawn.push_back(page);
        },
        [&](int32_t done, int32_t total) {
            if (total != static_cast<int32_t>(chosen.size()) || done > total) std::abort();
            return done != stopAt;
        });
    const bool stopped = stopAt >= 0 && stopAt < static_cast<int32_t>(chosen.size());
    if ((end == PagesEnd::Stopped) != stopped || end == PagesEnd::Failed) std::abort();
    if (drawn.size() != (stopped ? static_cast<size_t>(stopAt) : chosen.size())) std::abort();
    int expectedNewPages = 0;
    for (size_t i = 0; i < drawn.size(); ++i) {
        if (drawn[i] != chosen[i]) std::abort();
        if (drawn[i] != pageCount) ++expectedNewPages;
    }
    if (sheets.newPages != expectedNewPages) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const PageSetup setup = FuzzedSetup(input);
    const std::optional<int32_t> rowsPerPage = FuzzedRowsPerPage(input);
    const NumberLocale locale =
        input.ConsumeBool() ? NumberLocale::Turkish() : NumberLocale::English();
    // The window's page canvas is 25000 twips wide; paper is as wide as the page.
    const bool onPaper = input.ConsumeBool();
    const auto pick = input.ConsumeIntegral<uint32_t>();
    const int highlight = input.ConsumeIntegralInRange<int>(0, 51);
    const int32_t from = input.ConsumeIntegralInRange<int32_t>(-3, 40);
    const int32_t to = input.ConsumeIntegralInRange<int32_t>(-1, 40);
    const int32_t stopAt = input.ConsumeIntegralInRange<int32_t>(-1, 40);
    const std::vector<uint8_t> report = input.ConsumeRemainingBytes<uint8_t>();

    FixedMetricsTarget target(onPaper ? setup.PageSizeX : 25000, setup.PageSizeY);
    FixedMetricsTarget ruler(onPaper ? setup.PageSizeX : 25000, 300);
    ReportPages pages;
    LoadOptions options;
    options.locale = locale;
    const LoadResult loaded =
        OpenReportPages(pages, WriteFuzzFile("report.txt", report.data(), report.size()),
                        FuzzFolder::File("BUFFILE.DAT"), options, target, setup, rowsPerPage);
    if (!loaded.Ok()) std::abort();

    const PageMetrics& metrics = pages.metrics;
    if (metrics.RowHeight < 1 || metrics.CharWidth < 1) std::abort();
    if (rowsPerPage && metrics.RowsPerPage != *rowsPerPage) std::abort();
    const int32_t pageCount = pages.totals.pageCount;
    if (pageCount < 1 || pageCount != ExpectedPages(pages.rows.RecordCount(), metrics.RowsPerPage))
        std::abort();
    for (int c = 1; c <= ReportLayout::DescribedColumns; ++c) {
        const int16_t measured = pages.layout.ColumnWidths[c];
        if (measured < 0 || measured > 50 || pages.Widths(setup, locale)[c] < measured)
            std::abort();
    }
    const PageTotals opened = pages.totals;
    const ColumnWidthTable openedWidths = pages.Widths(setup, locale);
    if (!LayOutPages(pages, target, setup, locale, rowsPerPage).Ok()) std::abort();
    CheckSameLayout(pages, opened, openedWidths, setup, locale);

    const PageInputs inputs = pages.Inputs(setup, locale, ClockReading{2026, 12, 6, 17, 45});
    std::set<int32_t> chosen = {1, 2, pageCount - 1, pageCount,
                                1 + static_cast<int32_t>(pick % static_cast<uint32_t>(pageCount))};
    int fieldCount = pages.fieldCount;
    for (int32_t page : chosen)
        if (page >= 1 && page <= pageCount)
            fieldCount = DrawAtEveryZoom(target, ruler, inputs, page, fieldCount, highlight);
    CheckPagingLoop(target, inputs, pageCount, from, to, stopAt, fieldCount);
    return 0;
}
