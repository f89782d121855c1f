#include "render/SelectionSum.h"

#include <algorithm>

#include "core/DecimalNumber.h"
#include "input/SplitFields.h"

namespace Tabulon {

namespace {

// What the sum and mean of columns with different patterns are shown in.
constexpr const char* MixedPattern = "#,##0.00";

bool IsNumberColumn(const ReportLayout& layout, int column) {
    const uint8_t kind = layout.Kind(column);
    return kind == KindNumber || kind == KindAmount;
}

}  // namespace

Currency SelectionSum::Mean() const {
    if (count == 0) return {};
    if (sum.Overflowed()) return sum;  // no mean of a sum that cannot be held
    const int64_t quotient = sum.scaled / count;
    const int64_t remainder = sum.scaled % count;
    // Halves to the even neighbour, as every rounding of the report does;
    // compared without doubling the remainder, which could overflow.
    const int64_t rest = remainder < 0 ? -remainder : remainder;
    const int64_t other = count - rest;
    const bool away = rest > other || (rest == other && quotient % 2 != 0);
    return Currency{quotient + (away ? (sum.scaled < 0 ? -1 : 1) : 0)};
}

SelectionSum SumSelection(const RowStore& rows, const ReportLayout& layout,
                          const NumberLocale& locale, const CellSelection& selection,
                          const ProgressCallback& progress) {
    SelectionSum result;
    const int first = std::max(selection.FirstColumn(), 1);
    const int last = std::min(selection.LastColumn(), ReportLayout::DescribedColumns);
    bool anyNumberColumn = false;
    for (int c = first; c <= last; ++c) {
        if (!IsNumberColumn(layout, c)) continue;
        const std::string& pattern = layout.ColumnFormats[c];
        result.pattern = !anyNumberColumn || result.pattern == pattern ? pattern : MixedPattern;
        anyNumberColumn = true;
    }
    if (selection.Empty() || !anyNumberColumn) return result;
    result.pass = ForEachRow(
        rows, selection.FirstRow(), selection.LastRow(),
        [&](int64_t, std::string_view record) {
            const RowFields fields = SplitFields(record);
            for (int c = first; c <= last; ++c) {
                if (!IsNumberColumn(layout, c)) continue;
                // Read as the page totals read it; a number beyond their
                // range is still a number, which no sum can hold.
                const auto value = ParseLocaleCurrency(fields[c], locale);
                if (!value && !ParseLocaleNumber(fields[c], locale)) continue;
                ++result.count;
                result.sum = AddCurrency(result.sum, value.value_or(Currency::Overflow()));
            }
            return true;
        },
        progress);
    result.overflow = result.sum.Overflowed();
    return result;
}

}  // namespace Tabulon
