#include "render/CopySelection.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "input/SplitFields.h"
#include "render/DisplayPattern.h"
#include "system/Mapping.h"

namespace Tabulon {

namespace {

// The bytes that HTML gives a meaning to, marked for a look-up a byte.
constexpr std::array<bool, 256> Special = [] {
    std::array<bool, 256> special{};
    for (const unsigned char ch : std::string_view("&<>\"")) special[ch] = true;
    return special;
}();

bool HasSpecial(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char ch) { return Special[static_cast<unsigned char>(ch)]; });
}

// Whether any of eight bytes is special: each of the four turns its own
// bytes to zeros, and a zero byte sets the high bit of its place in
// (x - ones) & ~x, and no other.
bool WordHasSpecial(const char* bytes) {
    constexpr uint64_t Ones = 0x0101010101010101u, Highs = Ones * 0x80;
    uint64_t word = 0;
    std::memcpy(&word, bytes, 8);
    uint64_t found = 0;
    for (const unsigned char special : {'&', '<', '>', '"'}) {
        const uint64_t x = word ^ (Ones * special);
        found |= (x - Ones) & ~x;
    }
    return (found & Highs) != 0;
}

// Runs without a special byte go in whole; a field has none as a rule, which
// eight bytes at a time tell.
void AppendEscaped(std::string& html, std::string_view text) {
    size_t at = 0;
    while (at + 8 <= text.size() && !WordHasSpecial(text.data() + at)) at += 8;
    size_t run = 0;
    for (; at < text.size(); ++at) {
        const char ch = text[at];
        if (!Special[static_cast<unsigned char>(ch)]) continue;
        html.append(text.substr(run, at - run));
        html += ch == '&' ? "&amp;" : ch == '<' ? "&lt;" : ch == '>' ? "&gt;" : "&quot;";
        run = at + 1;
    }
    html.append(text.substr(run));
}

// What a column's fields need on their way out, decided once for the whole copy.
struct ColumnPlan {
    PatternSections pattern;
    std::string_view cell;  // the cell's opening tag
    // A number this column shows holds no special byte: neither its pattern's
    // own text nor the locale's separators have one, so it goes into the
    // table without a look at its bytes.
    bool plainNumbers = false;
};

// Builds the two forms side by side, a row at a time. Each field is written
// once, into the text; the table's cell is taken from the text's own bytes.
class FieldWriter {
  public:
    FieldWriter(CopiedFields& out, const ReportLayout& layout, const NumberLocale& locale,
                int first, int last)
        : out_(out), locale_(locale), first_(first) {
        out_.html = "<html><head><meta charset=\"utf-8\"></head><body><table>";
        const bool plainLocale =
            !HasSpecial(locale.decimalSeparator) && !HasSpecial(locale.groupSeparator);
        for (int c = first; c <= last; ++c) {
            const std::string& pattern = layout.ColumnFormats[c];
            const uint8_t kind = layout.Kind(c);
            ColumnPlan& plan = plans_.emplace_back();
            plan.pattern = ReadSections(pattern);
            plan.cell = kind == KindNumber || kind == KindAmount ? "<td align=\"right\">" : "<td>";
            plan.plainNumbers = plainLocale && !HasSpecial(pattern);
        }
    }
    void StartRow() {
        if (rows_++ > 0) out_.text += '\n';
        out_.html += "<tr>";
        firstField_ = true;
    }
    void Title(std::string_view title) {
        const size_t start = Separate();
        out_.text += title;
        Cell("<th>", start, false, "</th>");
    }
    void Field(int column, std::string_view field) {
        const ColumnPlan& plan = plans_[static_cast<size_t>(column - first_)];
        const size_t start = Separate();
        const bool number = AppendFormattedField(out_.text, field, plan.pattern, locale_);
        Cell(plan.cell, start, number && plan.plainNumbers, "</td>");
    }
    void EndRow() { out_.html += "</tr>"; }
    void Finish() { out_.html += "</table></body></html>"; }

  private:
    // The TAB before every field but a row's first; gives where the field starts.
    size_t Separate() {
        if (!firstField_) out_.text += '\t';
        firstField_ = false;
        return out_.text.size();
    }
    void Cell(std::string_view open, size_t start, bool plain, std::string_view close) {
        const std::string_view shown = std::string_view(out_.text).substr(start);
        out_.html += open;
        if (plain)
            out_.html += shown;
        else
            AppendEscaped(out_.html, shown);
        out_.html += close;
    }

    CopiedFields& out_;
    const NumberLocale& locale_;
    const int first_;
    std::vector<ColumnPlan> plans_;
    int64_t rows_ = 0;
    bool firstField_ = true;
};

constexpr int64_t SampleRows = 1000;

void Reserve(CopiedFields& out, double times) {
    out.text.reserve(static_cast<size_t>(static_cast<double>(out.text.size()) * times * 1.05));
    out.html.reserve(static_cast<size_t>(static_cast<double>(out.html.size()) * times * 1.05));
    // Written once, front to back: large pages spare a fault every 4 KiB.
    for (std::string* form : {&out.text, &out.html})
        System::AdviseLargePages(form->data(), form->capacity());
}

}  // namespace

Outcome<CopiedFields> CopySelection(const RowStore& rows, const ReportLayout& layout,
                                    const NumberLocale& locale, const CellSelection& selection,
                                    const ProgressCallback& progress) {
    CopiedFields out;
    const int first = std::max(selection.FirstColumn(), 1);
    const int last = std::min(selection.LastColumn(), ReportLayout::DescribedColumns);
    FieldWriter writer(out, layout, locale, first, last);
    if (!selection.Empty() && selection.wholeRows) {
        writer.StartRow();
        for (int c = first; c <= last; ++c) writer.Title(layout.Title(c));
        writer.EndRow();
    }
    const int64_t from = selection.FirstRow(), count = selection.LastRow() - from + 1;
    const auto copyRow = [&](int64_t row, std::string_view record) {
        writer.StartRow();
        const int fields = ForEachField(record, last, [&](int c, std::string_view field) {
            if (c >= first) writer.Field(c, field);
        });
        // A row with fewer fields shows the rest empty.
        for (int c = std::max(fields + 1, first); c <= last; ++c) writer.Field(c, {});
        writer.EndRow();
        // The first rows tell how long the whole will be: room for it at
        // once, rather than copying it again at every doubling.
        if (row - from + 1 == SampleRows) Reserve(out, static_cast<double>(count) / SampleRows);
        return true;
    };
    if (!selection.Empty()) {
        if (Outcome<> read = ForEachRow(rows, from, selection.LastRow(), copyRow, progress);
            !read.Ok())
            return read.Why();
    }
    writer.Finish();
    return out;
}

}  // namespace Tabulon
