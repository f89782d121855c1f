#include "render/CopySelection.h"

#include <string_view>

#include "input/SplitFields.h"
#include "render/DisplayPattern.h"

namespace {

void AppendEscaped(std::string& html, std::string_view text) {
    for (const char ch : text) switch (ch) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            default:
                html += ch;
        }
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

}  // namespace

CopiedFields CopySelection(const RowStore& rows, const ReportLayout& layout,
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
    if (!selection.Empty())
        out.pass = ForEachRow(
            rows, selection.FirstRow(), selection.LastRow(),
            [&](int64_t, std::string_view record) {
                const RowFields fields = SplitFields(record);
                writer.StartRow(false);
                for (int c = first; c <= last; ++c)
                    writer.Field(c, FormatField(fields[c], layout.ColumnFormats[c], locale));
                writer.EndRow();
                return true;
            },
            progress);
    writer.Finish();
    return out;
}
