#include "render/FindFields.h"

#include <algorithm>

#include "core/TextEncoding.h"
#include "core/TurkishCase.h"
#include "input/ForEachRow.h"
#include "input/SplitFields.h"
#include "render/DisplayPattern.h"

namespace Tabulon {

namespace {

// Visits rows first..last (1-based, in that direction) and their columns in
// the same direction; visit(row, column, field) answers true to stop there.
// `done` counts the rows of earlier walks of the same search, for progress.
template <typename Visit>
Outcome<> Walk(const RowStore& rows, int64_t first, int64_t last, int firstColumnAfter,
               int64_t& done, const ProgressCallback& progress, Visit&& visit) {
    const bool forward = last >= first;
    const int64_t total = rows.RecordCount();
    const int64_t before = done;
    ProgressCallback overall;
    if (progress)
        overall = [&](int64_t d, int64_t) { return progress(std::min(before + d, total), total); };
    const auto visitRow = [&](int64_t r, std::string_view record) {
        const RowFields fields = SplitFields(record);
        const int columns = std::min(fields.count, ReportLayout::DescribedColumns);
        // On the starting row only the columns past the starting one count.
        const int after = r == first ? firstColumnAfter : (forward ? 0 : columns + 1);
        for (int step = 0; step < columns; ++step) {
            const int c = forward ? step + 1 : columns - step;
            if (forward ? c <= after : c >= after) continue;
            if (visit(r, c, fields[c])) return false;
        }
        return true;
    };
    Outcome<> pass = forward ? ForEachRow(rows, first, last, visitRow, overall)
                             : ForEachRowBack(rows, first, last, visitRow, overall);
    done = before + (forward ? last - first : first - last) + 1;
    return pass;
}

}  // namespace

FieldFinder::FieldFinder(const ReportLayout& layout, const NumberLocale& locale,
                         std::string_view text, FindRules rules)
    : layout_(layout),
      locale_(locale),
      folded_(FoldTurkishCase(rules.wholeField ? TrimSpaces(text) : text)),
      rules_(rules) {}

bool FieldFinder::Holds(std::string_view text) const {
    const std::string folded = FoldTurkishCase(rules_.wholeField ? TrimSpaces(text) : text);
    return rules_.wholeField ? folded == folded_ : folded.find(folded_) != std::string::npos;
}

bool FieldFinder::Matches(int column, std::string_view field) const {
    if (folded_.empty() || field.empty() || !LooksIn(column)) return false;
    const std::string& pattern = layout_.ColumnFormats[static_cast<size_t>(column)];
    if (Holds(field)) return true;
    const std::string shown = FormatField(field, pattern, locale_);
    return shown != field && Holds(shown);
}

Outcome<FoundField> FindField(const RowStore& rows, const FieldFinder& finder, MarkedField from,
                              bool forward, const ProgressCallback& progress) {
    FoundField found;
    const int64_t last = rows.RecordCount();
    if (finder.Empty() || last == 0) return found;
    int64_t done = 0;
    auto seek = [&](int64_t first, int64_t end, int after) {
        return Walk(rows, first, end, after, done, progress,
                    [&](int64_t r, int c, std::string_view field) {
                        if (!finder.Matches(c, field)) return false;
                        found.hit = MarkedField{r, c};
                        return true;
                    });
    };
    // First from the starting field to the end in the direction of search,
    // then from the other end round to the starting row.
    const bool fresh = from.row < 1 || from.row > last;
    const int64_t start = fresh ? (forward ? 1 : last) : from.row;
    const int after = fresh ? (forward ? 0 : ReportLayout::DescribedColumns + 1) : from.column;
    if (Outcome<> ahead = seek(start, forward ? last : 1, after); !ahead.Ok()) return ahead.Why();
    if (found.hit || fresh) return found;
    Outcome<> round =
        seek(forward ? 1 : last, start, forward ? 0 : ReportLayout::DescribedColumns + 1);
    if (!round.Ok()) return round.Why();
    // Past the starting field the first part found nothing, so a hit on the
    // starting row now lies at or before it: the starting field itself when
    // it is the report's only hit.
    found.wrapped = found.hit.has_value();
    return found;
}

Outcome<> FindEveryField(const RowStore& rows, const FieldFinder& finder,
                         const std::function<bool(const MarkedField&)>& visit) {
    if (finder.Empty()) return {};
    int64_t done = 0;
    return Walk(rows, 1, rows.RecordCount(), 0, done, {},
                [&](int64_t r, int c, std::string_view field) {
                    return finder.Matches(c, field) && !visit(MarkedField{r, c});
                });
}

int64_t PageOfRow(int64_t row, int32_t rowsPerPage) {
    if (rowsPerPage <= 0) return row + 1;
    return (row - 1) / rowsPerPage + 1;
}

}  // namespace Tabulon
