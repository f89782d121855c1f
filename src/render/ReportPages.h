#pragma once
#include <optional>
#include <string>

#include "core/PageSetup.h"
#include "core/ProgressCallback.h"
#include "input/LoadReport.h"
#include "render/DrawingTarget.h"
#include "render/PageInputs.h"

namespace Tabulon {

// A loaded report and how it falls into pages under the current page setup:
// what the window and tabulon-export hold while a report is open.
struct ReportPages {
    ReportLayout layout;
    RowStore rows;
    // The field count of the row read last: the titles, the totals rows, the
    // ruler and the exports' titles follow it until another row is read.
    int fieldCount = 0;
    PageMetrics metrics;
    PageTotals totals;
    // The widest text each column makes of its numbers, measured once per load.
    ColumnWidthTable shownWidths{};

    // The widths the columns are drawn with under this page setup: the
    // layout's, widened for the totals and for every number the columns show.
    // Worked out again only when one of those or the setup's totals lines
    // changed, as every page drawn asks for them. Not for two threads at once.
    const ColumnWidthTable& Widths(const PageSetup& setup, const NumberLocale& locale) const;

    PageInputs Inputs(const PageSetup& setup, const NumberLocale& locale, ClockReading now) const {
        return {layout, setup, metrics, Widths(setup, locale), totals, rows, locale, now};
    }

  private:
    // What the widths were last worked out from, and the widths.
    struct DrawnWidthsInputs {
        ReportLayout::WidthTable layoutWidths{};
        std::array<bool, ReportLayout::DescribedColumns + 1> totalFlags{};
        std::array<std::string, ReportLayout::DescribedColumns + 1> formats{};
        ColumnWidthTable shownWidths{};
        uint64_t totalsVersion = 0;
        int32_t pageCount = 0;
        bool pTotals = false, aTotals = false;
        NumberLocale locale;
    };
    mutable std::optional<DrawnWidthsInputs> widthsFrom_;
    mutable ColumnWidthTable widths_{};
};

// Measures the report font on the target and counts the pages and their
// totals again: after the page setup or the headers changed. rowsPerPage,
// when given, replaces the measured number.
Outcome<> LayOutPages(ReportPages& pages, DrawingTarget& target, const PageSetup& setup,
                      const NumberLocale& locale, std::optional<int32_t> rowsPerPage = {},
                      const ProgressCallback& progress = {});

// Loads the report and lays its pages out as the window first shows them. The
// page totals are counted while the rows are read; only a report whose header
// or total records come after its first row needs a second pass.
[[nodiscard]] LoadResult OpenReportPages(ReportPages& pages, const std::string& reportPath,
                                         const std::string& rowStorePath, LoadOptions options,
                                         DrawingTarget& target, const PageSetup& setup,
                                         std::optional<int32_t> rowsPerPage = {});

// The same with the report font measured already (for no header lines, see
// MeasureReportFont), so that it can run on a thread of its own. With
// options.store the rows go there, readable while they are read (see
// LoadOptions::readSoFar), and the caller discards it should the load fail.
LoadResult OpenReportPages(ReportPages& pages, const std::string& reportPath,
                           const std::string& rowStorePath, LoadOptions options,
                           const PageMetrics& font, std::optional<int32_t> rowsPerPage = {});

}  // namespace Tabulon
