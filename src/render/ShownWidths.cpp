#include "render/ShownWidths.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/DecimalNumber.h"
#include "core/Rounding.h"
#include "core/TextEncoding.h"
#include "input/ForEachRow.h"
#include "input/SplitFields.h"
#include "render/DisplayPattern.h"

namespace Tabulon {

namespace {

// A column with a number pattern, or of a number kind without one (a "Z"
// column before any widths line shows its codes as written, digits that are
// wider than the average character the loader counts in).
bool ShowsNumbers(const ReportLayout& layout, int column) {
    const std::string& pattern = layout.ColumnFormats[column];
    const uint8_t kind = layout.Kind(column);
    return (!pattern.empty() && pattern != "@") || kind == KindNumber || kind == KindAmount;
}

// Orders numbers by size whatever their sign; leading zeros do not count.
bool Smaller(const DecimalNumber& a, const DecimalNumber& b) {
    const size_t aStart = std::min(a.digits.find_first_not_of('0'), a.digits.size());
    const size_t bStart = std::min(b.digits.find_first_not_of('0'), b.digits.size());
    const auto aWhole = static_cast<int64_t>(a.digits.size() - aStart) - a.scale;
    const auto bWhole = static_cast<int64_t>(b.digits.size() - bStart) - b.scale;
    if (aWhole != bWhole) return aWhole < bWhole;
    return a.digits.compare(aStart, std::string::npos, b.digits, bStart, std::string::npos) < 0;
}

// The largest number met on either side of zero.
struct Extremes {
    std::optional<DecimalNumber> positive, negative;
    void Take(DecimalNumber&& n) {
        std::optional<DecimalNumber>& kept = n.negative ? negative : positive;
        if (!kept || Smaller(*kept, n)) kept = std::move(n);
    }
};

// What a plain number ("-1.234.567,50": a sign, digits in groups, decimals)
// shows depends only on its sign and its count of whole digits, as long as
// rounding cannot carry into a new digit. Those are counted byte by byte, so
// the pass costs no parsing for the common fields; anything else goes the
// exact way.
struct PlainShape {
    bool negative = false;
    int wholeDigits = 0;
};

std::optional<PlainShape> ReadPlainShape(std::string_view text, const NumberLocale& locale) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    PlainShape shape;
    if (i < text.size() && text[i] == '-') shape.negative = true, ++i;
    bool allNines = true, digitSeen = false;
    const std::string_view group = locale.groupSeparator, point = locale.decimalSeparator;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digitSeen = true;
            if (shape.wholeDigits == 0 && c == '0') continue;
            ++shape.wholeDigits;
            allNines = allNines && c == '9';
        } else if (digitSeen && !group.empty() && text.substr(i).starts_with(group)) {
            i += group.size() - 1;
        } else {
            break;
        }
    }
    if (i < text.size()) {
        if (point.empty() || !text.substr(i).starts_with(point)) return std::nullopt;
        for (i += point.size(); i < text.size(); ++i)
            if (text[i] < '0' || text[i] > '9') return std::nullopt;
    }
    // A whole part of nines or of nothing may round to one more digit or
    // show a sign of its own: those are left to the exact way.
    if (!digitSeen || shape.wholeDigits == 0 || allNines) return std::nullopt;
    return shape;
}

// Per column: the exact extremes of the numbers read the exact way, and for
// plain numbers the first field of the most whole digits on either side of
// zero, formatted once at the end.
struct ColumnSurvey {
    Extremes exact;
    std::array<int, 2> mostDigits{};  // positive, negative
    std::array<std::string, 2> widest;

    void Take(std::string_view field, const NumberLocale& locale) {
        if (const std::optional<PlainShape> shape = ReadPlainShape(field, locale)) {
            const size_t side = shape->negative;
            if (shape->wholeDigits > mostDigits[side]) {
                mostDigits[side] = shape->wholeDigits;
                widest[side] = field;
            }
        } else if (auto number = ParseLocaleNumber(field, locale)) {
            exact.Take(std::move(*number));
        }
    }

    size_t WidestShown(const std::string& pattern, const NumberLocale& locale) const {
        size_t most = 0;
        for (const auto& kept : {exact.positive, exact.negative})
            if (kept) most = std::max(most, CodePointCount(FormatNumber(*kept, pattern, locale)));
        for (const std::string& field : widest)
            if (!field.empty())
                most = std::max(most, CodePointCount(FormatField(field, pattern, locale)));
        return most;
    }
};

}  // namespace

ShownWidthsPass WidestShownNumbers(const ReportLayout& layout, const RowStore& rows,
                                   const NumberLocale& locale, const ProgressCallback& progress) {
    ShownWidthsPass pass;
    int last = 0;
    for (int c = 1; c <= ReportLayout::DescribedColumns; ++c)
        if (ShowsNumbers(layout, c)) last = c;
    if (last == 0) return pass;

    std::array<ColumnSurvey, ReportLayout::DescribedColumns + 1> surveys;
    const RowPass rowPass = ForEachRow(
        rows, 1, rows.RecordCount(),
        [&](int64_t, std::string_view text) {
            ForEachRawField(text, last, [&](int c, std::string_view field) {
                if (ShowsNumbers(layout, c)) surveys[c].Take(field, locale);
            });
            return true;
        },
        progress);
    pass.ok = rowPass.ok;
    pass.cancelled = rowPass.cancelled;
    pass.error = rowPass.error;
    if (!pass.ok || pass.cancelled) return pass;
    for (int c = 1; c <= last; ++c)
        pass.widths[c] = ClampToInt16(
            static_cast<int64_t>(surveys[c].WidestShown(layout.ColumnFormats[c], locale)));
    return pass;
}

void WidenForShownNumbers(ColumnWidthTable& drawn, const ColumnWidthTable& shown) {
    for (size_t c = 1; c < drawn.size(); ++c)
        if (shown[c] > 0)
            drawn[c] = std::max<int16_t>(drawn[c], ClampToInt16(int64_t{shown[c]} + 1));
}

}  // namespace Tabulon
