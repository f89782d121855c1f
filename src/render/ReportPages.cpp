#include "render/ReportPages.h"

#include "input/ComputePageTotals.h"
#include "render/MeasureReportFont.h"
#include "render/ShownWidths.h"

namespace Tabulon {

namespace {

PagesStep CountPages(ReportPages& pages, const RowStore& rows, const PageSetup& setup,
                     const NumberLocale& locale, const ProgressCallback& progress) {
    TotalsPass pass = ComputePageTotals(rows, TotalFlagsOf(pages.layout), pages.metrics.RowsPerPage,
                                        locale, progress);
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
    return CountPages(pages, pages.rows, setup, locale, progress);
}

LoadResult OpenReportPages(ReportPages& pages, const std::string& reportPath,
                           const std::string& rowStorePath, LoadOptions options,
                           DrawingTarget& target, const PageSetup& setup,
                           std::optional<int32_t> rowsPerPage) {
    return OpenReportPages(pages, reportPath, rowStorePath, std::move(options),
                           MeasureReportFont(target, setup, 0), setup, rowsPerPage);
}

LoadResult OpenReportPages(ReportPages& pages, const std::string& reportPath,
                           const std::string& rowStorePath, LoadOptions options,
                           const PageMetrics& font, const PageSetup& setup,
                           std::optional<int32_t> rowsPerPage) {
    const auto measured = [&](int16_t headerCount) {
        PageMetrics metrics = ForHeaderCount(font, headerCount);
        if (rowsPerPage) metrics.RowsPerPage = *rowsPerPage;
        return metrics;
    };
    options.rowsPerPage = [&](int16_t headerCount) { return measured(headerCount).RowsPerPage; };
    // The rows go straight into the pages' own store unless the caller gave
    // one (which then stays the caller's, whole or failed).
    const bool ownStore = options.store == nullptr;
    if (ownStore) options.store = &pages.rows;
    const RowStore& rows = *options.store;
    LoadResult loaded = LoadReport(reportPath, rowStorePath, options);
    const auto failed = [&](const PagesStep& step) {
        if (step.ok && !step.cancelled) return false;
        Fail(loaded, step, rowStorePath);
        if (ownStore) pages.rows.Discard();
        return true;
    };
    if (!loaded.Ok()) {
        if (ownStore) pages.rows.Discard();
        return loaded;
    }
    pages.layout = std::move(loaded.layout);
    pages.fieldCount = loaded.fieldCount;
    ShownWidthsPass shown =
        WidestShownNumbers(pages.layout, rows, options.locale, options.progress);
    if (failed({shown.ok, shown.cancelled, shown.error})) return loaded;
    pages.shownWidths = shown.widths;
    pages.metrics = measured(pages.layout.HeaderCount);
    const bool countedAsLaidOut = loaded.totals &&
                                  loaded.totals->rowsPerPage == pages.metrics.RowsPerPage &&
                                  loaded.totals->flags == TotalFlagsOf(pages.layout);
    if (!countedAsLaidOut) {
        failed(CountPages(pages, rows, setup, options.locale, options.progress));
        return loaded;
    }
    pages.totals = std::move(*loaded.totals);
    if (loaded.lastRowFieldCount) pages.fieldCount = *loaded.lastRowFieldCount;
    pages.widths = WidthsAsDrawn(pages, setup, options.locale);
    return loaded;
}

}  // namespace Tabulon
