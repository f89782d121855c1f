#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/NumberLocale.h"
#include "core/ProgressCallback.h"
#include "core/ReportLayout.h"
#include "input/RowStore.h"
#include "render/RenderPage.h"

namespace Tabulon {

// Where a search looks and what counts as found: every column (0) or one
// column of the page (1..50); the text inside a field, or the whole field.
struct FindRules {
    int column = 0;
    bool wholeField = false;
};

// What a search looks for: a text in the fields as the page shows them
// (formatted by their column's pattern, so "1.650.883,28" finds the amount a
// row holds as 1650883,28) or as the report writes them ("1650883,28" finds
// it too), without regard to case by Turkish rules. Only the fifty columns a
// page lays out are searched.
class FieldFinder {
  public:
    FieldFinder(const ReportLayout& layout, const NumberLocale& locale, std::string_view text,
                FindRules rules = {});
    bool Empty() const { return folded_.empty(); }
    const NumberLocale& Locale() const { return locale_; }
    // Whether the search looks in this column at all.
    bool LooksIn(int column) const { return rules_.column == 0 || rules_.column == column; }
    // Whether the field of this column holds the text.
    bool Matches(int column, std::string_view field) const;

  private:
    bool Holds(std::string_view text) const;

    const ReportLayout& layout_;
    NumberLocale locale_;
    std::string folded_;
    FindRules rules_;
};

// How a search for the next or previous hit ended.
struct FindOutcome {
    std::optional<MarkedField> hit;
    bool wrapped = false;    // the hit lies past the report's end (or start), from the other side
    bool cancelled = false;  // stopped through the progress callback
    bool ok = true;          // false: the row store could not be read
    std::string error;
};

// The first hit after `from` (row, column) going forward, or before it going
// back, continuing from the report's other end once it is reached, up to
// `from` itself. A `from` of row 0 starts before the first row (or, going
// back, after the last).
FindOutcome FindField(const RowStore& rows, const FieldFinder& finder, MarkedField from,
                      bool forward, const ProgressCallback& progress = {});

// Every hit in report order: row by row, column by column. `visit` answers
// false to stop. False when the row store could not be read.
bool FindEveryField(const RowStore& rows, const FieldFinder& finder,
                    const std::function<bool(const MarkedField&)>& visit, std::string& error);

// The page a data row prints on with this many rows per page; with none a
// page, every row starts one of its own after an empty page 1.
int64_t PageOfRow(int64_t row, int32_t rowsPerPage);

}  // namespace Tabulon
