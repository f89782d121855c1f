#include "render/ShownWidths.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/DecimalNumber.h"
#include "core/Rounding.h"
#include "core/TextEncoding.h"
#include "input/SplitFields.h"
#include "render/DisplayPattern.h"

namespace {

// Records viewed at a time: 1 MiB of the row store.
constexpr int64_t RunLength = 2048;

bool ShowsNumbers(const std::string& pattern) {
    return !pattern.empty() && pattern != "@";
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

}  // namespace

ShownWidthsPass WidestShownNumbers(const ReportLayout& layout, const RowStore& rows,
                                   const NumberLocale& locale, const ProgressCallback& progress) {
    ShownWidthsPass pass;
    int last = 0;
    for (int c = 1; c <= ReportLayout::DescribedColumns; ++c)
        if (ShowsNumbers(layout.ColumnFormats[c])) last = c;
    if (last == 0) return pass;

    std::array<Extremes, ReportLayout::DescribedColumns + 1> extremes;
    const int64_t count = rows.RecordCount();
    RecordBlock block;
    for (int64_t first = 1; first <= count; first += RunLength) {
        if (progress && !progress(first - 1, count)) {
            pass.cancelled = true;
            return pass;
        }
        if (!rows.Read(first, RunLength, block, pass.error)) {
            pass.ok = false;
            return pass;
        }
        for (std::string_view text : block.texts)
            ForEachRawField(text, last, [&](int c, std::string_view field) {
                if (!ShowsNumbers(layout.ColumnFormats[c])) return;
                if (auto number = ParseLocaleNumber(field, locale))
                    extremes[c].Take(std::move(*number));
            });
    }
    for (int c = 1; c <= last; ++c)
        for (const auto& kept : {extremes[c].positive, extremes[c].negative})
            if (kept)
                pass.widths[c] = std::max(
                    pass.widths[c], ClampToInt16(static_cast<int64_t>(CodePointCount(
                                        FormatNumber(*kept, layout.ColumnFormats[c], locale)))));
    return pass;
}

void WidenForShownNumbers(ColumnWidthTable& drawn, const ColumnWidthTable& shown) {
    for (size_t c = 1; c < drawn.size(); ++c)
        if (shown[c] > 0)
            drawn[c] = std::max<int16_t>(drawn[c], ClampToInt16(int64_t{shown[c]} + 1));
}
