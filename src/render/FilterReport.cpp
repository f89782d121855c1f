#include "render/FilterReport.h"

#include <algorithm>

#include "input/SplitFields.h"

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
                    return true;
                }
            return true;
        },
        progress);
    if (!kept.Flush() || outcome.pass.stopped) outcome.error = kept.LastError();
    if (!outcome.Ok()) return outcome;
    filtered.layout = source.layout;
    filtered.rows = std::move(kept);
    filtered.fieldCount = fieldCount;
    return outcome;
}
