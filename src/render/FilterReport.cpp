#include "render/FilterReport.h"

#include <algorithm>

#include "input/LoadReport.h"
#include "input/SplitFields.h"
#include "render/ShownWidths.h"

namespace Tabulon {

FilterOutcome FilterReport(const ReportPages& source, const FieldFinder& finder,
                           const std::string& rowStorePath, ReportPages& filtered,
                           const ProgressCallback& progress) {
    FilterOutcome outcome;
    RowStore kept;
    if (!kept.Create(rowStorePath, false)) {
        outcome.error = kept.LastError();
        return outcome;
    }
    int fieldCount = source.fieldCount;
    // Widths measured as the loader measures a report file holding only
    // these rows: its description, then the rows kept.
    ReportLayout::WidthTable longest = source.layout.DescriptionWidths;
    outcome.pass = ForEachRow(
        source.rows, 1, source.rows.RecordCount(),
        [&](int64_t, std::string_view record) {
            const RowFields fields = SplitFields(record);
            const int columns = std::min(fields.count, ReportLayout::DescribedColumns);
            for (int c = 1; c <= columns; ++c)
                if (finder.Matches(c, fields[c])) {
                    // The record's text is its row's text, padding and all.
                    if (!kept.Append(record)) return false;
                    ++outcome.kept;
                    fieldCount = fields.count;
                    for (int k = 1; k <= columns; ++k)
                        MeasureField(longest[static_cast<size_t>(k)], fields[k]);
                    return true;
                }
            return true;
        },
        progress);
    if (!kept.Flush() || outcome.pass.stopped) outcome.error = kept.LastError();
    if (!outcome.Ok()) return outcome;
    filtered.layout = source.layout;
    for (int c = 1; c <= ReportLayout::DescribedColumns; ++c)
        filtered.layout.ColumnWidths[c] =
            ColumnWidthFor(longest[static_cast<size_t>(c)], source.layout.ColumnKinds[c]);
    filtered.rows = std::move(kept);
    filtered.fieldCount = fieldCount;
    // The numbers the kept rows show widen their columns as a load would.
    const ShownWidthsPass shown =
        WidestShownNumbers(filtered.layout, filtered.rows, finder.Locale(), progress);
    outcome.pass.ok = shown.ok;
    outcome.pass.cancelled = shown.cancelled;
    outcome.pass.error = shown.error;
    filtered.shownWidths = shown.widths;
    return outcome;
}

}  // namespace Tabulon
