#include "render/ReportPages.h"

#include "input/ComputePageTotals.h"
#include "render/MeasureReportFont.h"

namespace {

PagesStep CountPages(ReportPages& pages, const PageSetup& setup, const NumberLocale& locale,
                     const ProgressCallback& progress) {
    TotalsPass pass = ComputePageTotals(pages.rows, TotalFlagsOf(pages.layout),
                                        pages.metrics.RowsPerPage, locale, progress);
    if (!pass.ok || pass.cancelled) return {pass.ok, pass.cancelled, pass.error};
    pages.totals = std::move(pass.totals);
    if (pass.lastFieldCount) pages.fieldCount = *pass.lastFieldCount;
    pages.widths = DrawnWidths(pages.layout, pages.totals, setup, locale);
    return {};
}

PageMetrics Measured(DrawingTarget& target, const PageSetup& setup, int16_t headerCount,
                     std::optional<int32_t> rowsPerPage) {
    PageMetrics metrics = MeasureReportFont(target, setup, headerCount);
    if (rowsPerPage) metrics.RowsPerPage = *rowsPerPage;
    return metrics;
}

}  // namespace

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
    pages.metrics = Measured(target, setup, pages.layout.HeaderCount, rowsPerPage);
    const bool countedAsLaidOut = loaded.totals &&
                                  loaded.totals->rowsPerPage == pages.metrics.RowsPerPage &&
                                  loaded.totals->flags == TotalFlagsOf(pages.layout);
    if (!countedAsLaidOut) {
        const PagesStep counted = CountPages(pages, setup, options.locale, options.progress);
        if (!counted.ok || counted.cancelled) {
            loaded.failure = counted.cancelled ? LoadResult::Failure::Cancelled
                                               : LoadResult::Failure::RowStoreUnreadable;
            loaded.path = rowStorePath;
            loaded.reason = counted.error;
            pages.rows.Discard();
        }
        return loaded;
    }
    pages.totals = std::move(*loaded.totals);
    if (loaded.lastRowFieldCount) pages.fieldCount = *loaded.lastRowFieldCount;
    pages.widths = DrawnWidths(pages.layout, pages.totals, setup, options.locale);
    return loaded;
}
