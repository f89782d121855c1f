#include "render/ReportPages.h"

#include "input/ComputePageTotals.h"
#include "render/MeasureReportFont.h"
#include "render/ShownWidths.h"

namespace Tabulon {

namespace {

Outcome<> CountPages(ReportPages& pages, const RowStore& rows, const NumberLocale& locale,
                     const ProgressCallback& progress) {
    Outcome<CountedTotals> counted = ComputePageTotals(rows, TotalFlagsOf(pages.layout),
                                                       pages.metrics.RowsPerPage, locale, progress);
    if (!counted.Ok()) return counted.Why();
    pages.totals = std::move(counted->totals);
    if (counted->lastFieldCount) pages.fieldCount = *counted->lastFieldCount;
    return {};
}

PageMetrics Measured(DrawingTarget& target, const PageSetup& setup, int16_t headerCount,
                     std::optional<int32_t> rowsPerPage) {
    PageMetrics metrics = MeasureReportFont(target, setup, headerCount);
    if (rowsPerPage) metrics.RowsPerPage = *rowsPerPage;
    return metrics;
}

// A pass over the rows just loaded that failed fails the load, naming the
// working file as the load names it.
void Fail(LoadResult& loaded, Failure failure, const std::string& rowStorePath) {
    if (failure.operation != Operation::Stop) failure.path = rowStorePath;
    loaded.outcome = std::move(failure);
}

}  // namespace

const ColumnWidthTable& ReportPages::Widths(const PageSetup& setup,
                                            const NumberLocale& locale) const {
    const bool sameLayout = widthsFrom_ && widthsFrom_->layoutWidths == layout.ColumnWidths &&
                            widthsFrom_->totalFlags == layout.ColumnTotalFlags &&
                            widthsFrom_->formats == layout.ColumnFormats;
    const bool same = sameLayout && widthsFrom_->shownWidths == shownWidths &&
                      widthsFrom_->totalsVersion == totals.table.Version() &&
                      widthsFrom_->pageCount == totals.pageCount &&
                      widthsFrom_->pTotals == setup.pTotals &&
                      widthsFrom_->aTotals == setup.aTotals && widthsFrom_->locale == locale;
    if (same) return widths_;
    widthsFrom_ =
        DrawnWidthsInputs{layout.ColumnWidths, layout.ColumnTotalFlags, layout.ColumnFormats,
                          shownWidths,         totals.table.Version(),  totals.pageCount,
                          setup.pTotals,       setup.aTotals,           locale};
    widths_ = DrawnWidths(layout, totals, setup, locale);
    WidenForShownNumbers(widths_, shownWidths);
    return widths_;
}

Outcome<> LayOutPages(ReportPages& pages, DrawingTarget& target, const PageSetup& setup,
                      const NumberLocale& locale, std::optional<int32_t> rowsPerPage,
                      const ProgressCallback& progress) {
    pages.metrics = Measured(target, setup, pages.layout.HeaderCount, rowsPerPage);
    return CountPages(pages, pages.rows, locale, progress);
}

LoadResult OpenReportPages(ReportPages& pages, const std::string& reportPath,
                           const std::string& rowStorePath, LoadOptions options,
                           DrawingTarget& target, const PageSetup& setup,
                           std::optional<int32_t> rowsPerPage) {
    return OpenReportPages(pages, reportPath, rowStorePath, std::move(options),
                           MeasureReportFont(target, setup, 0), rowsPerPage);
}

LoadResult OpenReportPages(ReportPages& pages, const std::string& reportPath,
                           const std::string& rowStorePath, LoadOptions options,
                           const PageMetrics& font, std::optional<int32_t> rowsPerPage) {
    const auto measured = [&](int16_t headerCount) {
        PageMetrics metrics = ForHeaderCount(font, headerCount);
        if (rowsPerPage) metrics.RowsPerPage = *rowsPerPage;
        return metrics;
    };
    options.rowsPerPage = [&](int16_t headerCount) { return measured(headerCount).RowsPerPage; };
    options.surveyNumbers = true;
    // The rows go straight into the pages' own store unless the caller gave
    // one (which then stays the caller's, whole or failed).
    const bool ownStore = options.store == nullptr;
    if (ownStore) options.store = &pages.rows;
    const RowStore& rows = *options.store;
    LoadResult loaded = LoadReport(reportPath, rowStorePath, options);
    const auto failed = [&](const Outcome<>& step) {
        if (step.Ok()) return false;
        Fail(loaded, step.Why(), rowStorePath);
        if (ownStore) pages.rows.Discard();
        return true;
    };
    if (!loaded.Ok()) {
        if (ownStore) pages.rows.Discard();
        return loaded;
    }
    pages.layout = std::move(loaded.layout);
    pages.fieldCount = loaded.fieldCount;
    Outcome<ColumnWidthTable> shown =
        WidestShownNumbers(pages.layout, rows, options.locale, options.progress,
                           loaded.numbers ? &*loaded.numbers : nullptr);
    if (!shown.Ok()) {
        Outcome<> step = shown.Why();
        failed(step);
        return loaded;
    }
    pages.shownWidths = shown.Value();
    pages.metrics = measured(pages.layout.HeaderCount);
    const bool countedAsLaidOut = loaded.totals &&
                                  loaded.totals->rowsPerPage == pages.metrics.RowsPerPage &&
                                  loaded.totals->flags == TotalFlagsOf(pages.layout);
    if (!countedAsLaidOut) {
        failed(CountPages(pages, rows, options.locale, options.progress));
        return loaded;
    }
    pages.totals = std::move(*loaded.totals);
    if (loaded.lastRowFieldCount) pages.fieldCount = *loaded.lastRowFieldCount;
    return loaded;
}

}  // namespace Tabulon
