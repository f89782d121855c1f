#include "input/NumberSurvey.h"

#include <algorithm>
#include <cstdint>

#include "input/SplitFields.h"

namespace Tabulon {

bool ShowsNumbers(const ReportLayout& layout, int column) {
    const std::string& pattern = layout.ColumnFormats[column];
    const uint8_t kind = layout.Kind(column);
    return (!pattern.empty() && pattern != "@") || kind == KindNumber || kind == KindAmount;
}

namespace {

// Orders numbers by size whatever their sign; leading zeros do not count.
bool Smaller(const DecimalNumber& a, const DecimalNumber& b) {
    const size_t aStart = std::min(a.digits.find_first_not_of('0'), a.digits.size());
    const size_t bStart = std::min(b.digits.find_first_not_of('0'), b.digits.size());
    const auto aWhole = static_cast<int64_t>(a.digits.size() - aStart) - a.scale;
    const auto bWhole = static_cast<int64_t>(b.digits.size() - bStart) - b.scale;
    if (aWhole != bWhole) return aWhole < bWhole;
    return a.digits.compare(aStart, std::string::npos, b.digits, bStart, std::string::npos) < 0;
}

// What a plain number ("-1.234.567,50": a sign, digits in groups, decimals)
// shows depends only on its sign and its count of whole digits, as long as
// rounding cannot carry into a new digit. Those are counted byte by byte, so
// the survey costs no parsing for the common fields; anything else goes the
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

}  // namespace

NumberSurvey::NumberSurvey(const ReportLayout& layout, const NumberLocale& locale)
    : locale_(locale) {
    for (int c = 1; c <= ReportLayout::DescribedColumns; ++c)
        if (ShowsNumbers(layout, c)) surveyed_[c] = true, last_ = c;
}

void NumberSurvey::Take(int column, std::string_view field) {
    Column& kept = columns_[column];
    if (const std::optional<PlainShape> shape = ReadPlainShape(field, locale_)) {
        const size_t side = shape->negative;
        if (shape->wholeDigits > kept.mostDigits[side]) {
            kept.mostDigits[side] = shape->wholeDigits;
            kept.widest[side] = field;
        }
    } else if (auto number = ParseLocaleNumber(field, locale_)) {
        std::optional<DecimalNumber>& largest = kept.largest[number->negative];
        if (!largest || Smaller(*largest, *number)) largest = std::move(*number);
    }
}

void NumberSurvey::TakeRow(std::string_view text) {
    ForEachRawField(text, last_, [&](int c, std::string_view field) {
        if (Surveys(c)) Take(c, field);
    });
}

bool NumberSurvey::Covers(const ReportLayout& layout) const {
    for (int c = 1; c <= ReportLayout::DescribedColumns; ++c)
        if (ShowsNumbers(layout, c) && !Surveys(c)) return false;
    return true;
}

}  // namespace Tabulon
