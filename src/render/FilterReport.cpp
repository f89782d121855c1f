#include "render/FilterReport.h"

#include <algorithm>

#include "input/LoadReport.h"
#include "input/SplitFields.h"
#include "render/ShownWidths.h"

namespace Tabulon {

Outcome<int64_t> FilterReport(const ReportPages& source, const FieldFinder& finder,
                              const std::string& rowStorePath, ReportPages& filtered,
                              const ProgressCallback& progress) {
    RowStore kept;
    if (Outcome<> created = kept.Create(rowStorePath, false); !created.Ok()) return created.Why();
    int64_t keptCount = 0;
    int fieldCount = source.fieldCount;
    // Widths measured as the loader measures a report file holding only
    // these rows: its description, then the rows kept.
    ReportLayout::WidthTable longest = source.layout.DescriptionWidths;
    // The numbers the kept rows show widen their columns as a load would.
    NumberSurvey numbers(source.layout, finder.Locale());
    Outcome<> read = ForEachRow(
        source.rows, 1, source.rows.RecordCount(),
        [&](int64_t, std::string_view record) {
            const RowFields fields = SplitFields(record);
            const int columns = std::min(fields.count, ReportLayout::DescribedColumns);
            for (int c = 1; c <= columns; ++c)
                if (finder.Matches(c, fields[c])) {
                    // The record's text is its row's text, padding and all.
                    if (!kept.Append(record)) return false;
                    ++keptCount;
                    fieldCount = fields.count;
                    for (int k = 1; k <= columns; ++k)
                        MeasureField(longest[static_cast<size_t>(k)], fields[k]);
                    numbers.TakeRow(record);
                    return true;
                }
            return true;
        },
        progress);
    // A row the kept file refused stopped the pass early: the flush says why.
    if (Outcome<> written = kept.Flush(); !written.Ok()) return written.Why();
    if (!read.Ok()) return read.Why();
    filtered.layout = source.layout;
    for (int c = 1; c <= ReportLayout::DescribedColumns; ++c)
        filtered.layout.ColumnWidths[c] =
            ColumnWidthFor(longest[static_cast<size_t>(c)], source.layout.ColumnKinds[c]);
    filtered.rows = std::move(kept);
    filtered.fieldCount = fieldCount;
    filtered.shownWidths = ShownWidthsOf(numbers, filtered.layout, finder.Locale());
    return keptCount;
}

}  // namespace Tabulon
