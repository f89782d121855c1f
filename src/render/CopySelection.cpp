#include "render/CopySelection.h"

#include <string_view>

#include "input/SplitFields.h"
#include "render/DisplayPattern.h"

namespace {

// Runs without a character HTML gives a meaning to go in whole.
void AppendEscaped(std::string& html, std::string_view text) {
    for (;;) {
        const size_t special = text.find_first_of("&<>\"");
        html.append(text.substr(0, special));
        if (special == std::string_view::npos) return;
        const char ch = text[special];
        html += ch == '&' ? "&amp;" : ch == '<' ? "&lt;" : ch == '>' ? "&gt;" : "&quot;";
        text.remove_prefix(special + 1);
    }
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
        out_.html += titles_ ? "<th>" : number ? "<td style=\"text-align:right\">" : "<td>";
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
    if (!selection.Empty()) {
        Outcome<> read = ForEachRow(
            rows, selection.FirstRow(), selection.LastRow(),
            [&](int64_t row, std::string_view record) {
                const RowFields fields = SplitFields(record);
                writer.StartRow(false);
                for (int c = first; c <= last; ++c)
                    writer.Field(c, Shown(fields[c], layout.ColumnFormats[c], locale, scratch));
                writer.EndRow();
                // The first rows tell how long the whole will be: room for it
                // at once, rather than copying it again at every doubling.
                if (row - selection.FirstRow() + 1 == SampleRows)
                    Reserve(out,
                            static_cast<double>(selection.LastRow() - selection.FirstRow() + 1) /
                                SampleRows);
                return true;
            },
            progress);
        if (!read.Ok()) return read.Why();
    }
    writer.Finish();
    return out;
}
