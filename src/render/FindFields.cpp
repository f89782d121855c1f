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
// Returns false when the row store could not be read.
template <typename Visit>
bool Walk(const RowStore& rows, int64_t first, int64_t last, int firstColumnAfter, int64_t& done,
          const ProgressCallback& progress, bool& cancelled, std::string& error, Visit&& visit) {
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
    const RowPass pass = forward ? ForEachRow(rows, first, last, visitRow, overall)
                                 : ForEachRowBack(rows, first, last, visitRow, overall);
    done = before + (forward ? last - first : first - last) + 1;
    cancelled = pass.cancelled;
    error = pass.error;
    return pass.ok;
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

FindOutcome FindField(const RowStore& rows, const FieldFinder& finder, MarkedField from,
                      bool forward, const ProgressCallback& progress) {
    FindOutcome outcome;
    const int64_t last = rows.RecordCount();
    if (finder.Empty() || last == 0) return outcome;
    int64_t done = 0;
    auto seek = [&](int64_t first, int64_t end, int after) {
        return Walk(rows, first, end, after, done, progress, outcome.cancelled, outcome.error,
                    [&](int64_t r, int c, std::string_view field) {
                        if (!finder.Matches(c, field)) return false;
                        outcome.hit = MarkedField{r, c};
                        return true;
                    });
    };
    // First from the starting field to the end in the direction of search,
    // then from the other end round to the starting row.
    const bool fresh = from.row < 1 || from.row > last;
    const int64_t start = fresh ? (forward ? 1 : last) : from.row;
    const int after = fresh ? (forward ? 0 : ReportLayout::DescribedColumns + 1) : from.column;
    outcome.ok = seek(start, forward ? last : 1, after);
    if (!outcome.ok || outcome.hit || outcome.cancelled || fresh) return outcome;
    outcome.wrapped = true;
    outcome.ok = seek(forward ? 1 : last, start, forward ? 0 : ReportLayout::DescribedColumns + 1);
    // Past the starting field the first part found nothing, so a hit on the
    // starting row now lies at or before it: the starting field itself when
    // it is the report's only hit.
    if (!outcome.hit) outcome.wrapped = false;
    return outcome;
}

bool FindEveryField(const RowStore& rows, const FieldFinder& finder,
                    const std::function<bool(const MarkedField&)>& visit, std::string& error) {
    if (finder.Empty()) return true;
    int64_t done = 0;
    bool cancelled = false;
    return Walk(rows, 1, rows.RecordCount(), 0, done, {}, cancelled, error,
                [&](int64_t r, int c, std::string_view field) {
                    return finder.Matches(c, field) && !visit(MarkedField{r, c});
                });
}

int64_t PageOfRow(int64_t row, int32_t rowsPerPage) {
    if (rowsPerPage <= 0) return row + 1;
    return (row - 1) / rowsPerPage + 1;
}

}  // namespace Tabulon
