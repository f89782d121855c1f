#include "render/ReportPages.h"

#include "input/ComputePageTotals.h"
#include "render/MeasureReportFont.h"
#include "render/ShownWidths.h"

namespace Tabulon {

namespace {

PagesStep CountPages(ReportPages& pages, const PageSetup& setup, const NumberLocale& locale,
                     const ProgressCallback& progress) {
    TotalsPass pass = ComputePageTotals(pages.rows, TotalFlagsOf(pages.layout),
                                        pages.metrics.RowsPerPage, locale, progress);
    if (!pass.ok || pass.cancelled) return {pass.ok, pass.cancelled, pass.error};
    pages.totals = std::move(pass.totals);
    if (pass.lastFieldCount) pages.fieldCount = *pass.lastFieldCount;
    pages.widths = WidthsAsDrawn(pages, setup, locale);
    return {};
}

PageMetrics Measured(DrawingTarget& target, const PageSetup& setup, int16_t headerCount,
                     std::optional<int32_t> rowsPerPage) {
    PageMetrics metrics = MeasureReportFont(target, setup, headerCount);
    if (rowsPerPage) metrics.RowsPerPage = *rowsPerPage;
    return metrics;
}

void Fail(LoadResult& loaded, const PagesStep& step, const std::string& rowStorePath) {
    loaded.failure =
        step.cancelled ? LoadResult::Failure::Cancelled : LoadResult::Failure::RowStoreUnreadable;
    loaded.path = rowStorePath;
    loaded.reason = step.error;
}

}  // namespace

ColumnWidthTable WidthsAsDrawn(const ReportPages& pages, const PageSetup& setup,
                               const NumberLocale& locale) {
    ColumnWidthTable widths = DrawnWidths(pages.layout, pages.totals, setup, locale);
    WidenForShownNumbers(widths, pages.shownWidths);
    return widths;
}

PagesStep LayOutPages(ReportPages& pages, DrawingTarget& target, const PageSetup& setup,
                      const NumberLocale& locale, std::optional<int32_t> rowsPerPage,
                      const ProgressCallback& progress) {
    pages.metrics = Measured(target, setup, pages.layout.HeaderCount, rowsPerPage);
    return CountPages(pages, setup, locale, progress);
}

LoadResult OpenReportPages(ReportPages& pages, const std::string& reportPath,
                           const std::string& rowStorePath, LoadOptions options,
                           DrawingTarget& target, const PageSetup& setup,
                           std::optional<int32_t> rowsPerPage) {
    options.rowsPerPage = [&](int16_t headerCount) {
        return Measured(target, setup, headerCount, rowsPerPage).RowsPerPage;
    };
    LoadResult loaded = LoadReport(reportPath, rowStorePath, options);
    if (!loaded.Ok()) return loaded;
    pages.layout = std::move(loaded.layout);
    pages.rows = std::move(loaded.rows);
    pages.fieldCount = loaded.fieldCount;
    ShownWidthsPass shown =
        WidestShownNumbers(pages.layout, pages.rows, options.locale, options.progress);
    if (!shown.ok || shown.cancelled) {
        Fail(loaded, {shown.ok, shown.cancelled, shown.error}, rowStorePath);
        return loaded;
    }
    pages.shownWidths = shown.widths;
    pages.metrics = Measured(target, setup, pages.layout.HeaderCount, rowsPerPage);
    const bool countedAsLaidOut = loaded.totals &&
                                  loaded.totals->rowsPerPage == pages.metrics.RowsPerPage &&
                                  loaded.totals->flags == TotalFlagsOf(pages.layout);
    if (!countedAsLaidOut) {
        const PagesStep counted = CountPages(pages, setup, options.locale, options.progress);
        if (!counted.ok || counted.cancelled) {
            Fail(loaded, counted, rowStorePath);
            pages.rows.Discard();
        }
        return loaded;
    }
    pages.totals = std::move(*loaded.totals);
    if (loaded.lastRowFieldCount) pages.fieldCount = *loaded.lastRowFieldCount;
    pages.widths = WidthsAsDrawn(pages, setup, options.locale);
    return loaded;
}

}  // namespace Tabulon
