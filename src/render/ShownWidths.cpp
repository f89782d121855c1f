#include "render/ShownWidths.h"

#include <algorithm>

#include "core/Rounding.h"
#include "core/TextEncoding.h"
#include "input/ForEachRow.h"
#include "render/DisplayPattern.h"

namespace Tabulon {

namespace {

// The widest text a column's pattern makes of the numbers it kept.
size_t WidestShown(const NumberSurvey::Column& kept, const std::string& pattern,
                   const NumberLocale& locale) {
    size_t most = 0;
    for (const auto& largest : kept.largest)
        if (largest) most = std::max(most, CodePointCount(FormatNumber(*largest, pattern, locale)));
    for (const std::string& field : kept.widest)
        if (!field.empty())
            most = std::max(most, CodePointCount(FormatField(field, pattern, locale)));
    return most;
}

}  // namespace

ColumnWidthTable ShownWidthsOf(const NumberSurvey& survey, const ReportLayout& layout,
                               const NumberLocale& locale) {
    ColumnWidthTable widths{};
    // A column surveyed may show text by now: a format record after the rows.
    for (int c = 1; c <= survey.Last(); ++c)
        if (survey.Surveys(c) && ShowsNumbers(layout, c))
            widths[c] = ClampToInt16(
                static_cast<int64_t>(WidestShown(survey.Of(c), layout.ColumnFormats[c], locale)));
    return widths;
}

Outcome<ColumnWidthTable> WidestShownNumbers(const ReportLayout& layout, const RowStore& rows,
                                             const NumberLocale& locale,
                                             const ProgressCallback& progress,
                                             const NumberSurvey* surveyed) {
    if (surveyed && surveyed->Covers(layout)) return ShownWidthsOf(*surveyed, layout, locale);
    NumberSurvey survey(layout, locale);
    if (survey.Last() == 0) return ColumnWidthTable{};
    Outcome<> read = ForEachRow(
        rows, 1, rows.RecordCount(),
        [&](int64_t, std::string_view text) {
            survey.TakeRow(text);
            return true;
        },
        progress);
    if (!read.Ok()) return read.Why();
    return ShownWidthsOf(survey, layout, locale);
}

void WidenForShownNumbers(ColumnWidthTable& drawn, const ColumnWidthTable& shown) {
    for (size_t c = 1; c < drawn.size(); ++c)
        if (shown[c] > 0)
            drawn[c] = std::max<int16_t>(drawn[c], ClampToInt16(int64_t{shown[c]} + 1));
}

}  // namespace Tabulon
