#include "render/CopySelection.h"

#include <string_view>

#include "input/SplitFields.h"
#include "render/DisplayPattern.h"

namespace Tabulon {

namespace {

// Runs without a character that HTML gives a meaning to go in whole; the bytes are
// looked at one by one, as a search for any of four characters would ask for
// each of them at every byte.
void AppendEscaped(std::string& html, std::string_view text) {
    size_t run = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        const char ch = text[at];
        if (ch != '&' && ch != '<' && ch != '>' && ch != '"') continue;
        html.append(text.substr(run, at - run));
        html += ch == '&' ? "&amp;" : ch == '<' ? "&lt;" : ch == '>' ? "&gt;" : "&quot;";
        run = at + 1;
    }
    html.append(text.substr(run));
}

// A text column's field is shown as it stands; a number's through its pattern.
std::string_view Shown(std::string_view field, const std::string& pattern,
                       const NumberLocale& locale, std::string& scratch) {
    if (pattern.empty() || pattern == "@") return field;
    scratch = FormatField(field, pattern, locale);
    return scratch;
}

// Builds the two forms side by side, a row at a time.
class FieldWriter {
  public:
    FieldWriter(CopiedFields& out, const ReportLayout& layout) : out_(out), layout_(layout) {
        out_.html = "<html><head><meta charset=\"utf-8\"></head><body><table>";
    }
    void StartRow(bool titles) {
        if (rows_++ > 0) out_.text += '\n';
        out_.html += "<tr>";
        titles_ = titles;
        first_ = true;
    }
    void Field(int column, std::string_view shown) {
        if (!first_) out_.text += '\t';
        first_ = false;
        out_.text += shown;
        const uint8_t kind = layout_.Kind(column);
        const bool number = !titles_ && (kind == KindNumber || kind == KindAmount);
        out_.html += titles_ ? "<th>" : number ? "<td align=\"right\">" : "<td>";
        AppendEscaped(out_.html, shown);
        out_.html += titles_ ? "</th>" : "</td>";
    }
    void EndRow() { out_.html += "</tr>"; }
    void Finish() { out_.html += "</table></body></html>"; }

  private:
    CopiedFields& out_;
    const ReportLayout& layout_;
    int64_t rows_ = 0;
    bool titles_ = false;
    bool first_ = true;
};

constexpr int64_t SampleRows = 1000;

void Reserve(CopiedFields& out, double times) {
    out.text.reserve(static_cast<size_t>(static_cast<double>(out.text.size()) * times * 1.05));
    out.html.reserve(static_cast<size_t>(static_cast<double>(out.html.size()) * times * 1.05));
}

}  // namespace

Outcome<CopiedFields> CopySelection(const RowStore& rows, const ReportLayout& layout,
                                    const NumberLocale& locale, const CellSelection& selection,
                                    const ProgressCallback& progress) {
    CopiedFields out;
    FieldWriter writer(out, layout);
    const int first = std::max(selection.FirstColumn(), 1);
    const int last = std::min(selection.LastColumn(), ReportLayout::DescribedColumns);
    if (!selection.Empty() && selection.wholeRows) {
        writer.StartRow(true);
        for (int c = first; c <= last; ++c) writer.Field(c, layout.Title(c));
        writer.EndRow();
    }
    std::string scratch;
    const int64_t from = selection.FirstRow(), count = selection.LastRow() - from + 1;
    const auto copyRow = [&](int64_t row, std::string_view record) {
        const RowFields fields = SplitFields(record);
        writer.StartRow(false);
        for (int c = first; c <= last; ++c)
            writer.Field(c, Shown(fields[c], layout.ColumnFormats[c], locale, scratch));
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
