#include "render/CopySelection.h"

#include <atomic>
#include <chrono>
#include <string_view>
#include <thread>

#include "input/SplitFields.h"
#include "render/DisplayPattern.h"

namespace Tabulon {

namespace {

// Runs without a character HTML gives a meaning go in whole; the bytes are
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
    // A writer that `continues` another's rows starts with a line break and
    // writes no table opening of its own.
    FieldWriter(CopiedFields& out, const ReportLayout& layout, bool continues = false)
        : out_(out), layout_(layout), rows_(continues ? 1 : 0) {
        if (!continues) out_.html = "<html><head><meta charset=\"utf-8\"></head><body><table>";
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
// More rows than this are copied by two threads, a half each.
constexpr int64_t RowsForTwoThreads = 100000;

void Reserve(CopiedFields& out, double times) {
    out.text.reserve(static_cast<size_t>(static_cast<double>(out.text.size()) * times * 1.05));
    out.html.reserve(static_cast<size_t>(static_cast<double>(out.html.size()) * times * 1.05));
}

// What every part of one copy shares.
struct CopyJob {
    const RowStore& rows;
    const ReportLayout& layout;
    const NumberLocale& locale;
    int firstColumn;
    int lastColumn;
};

// Rows from..to written by `writer`; room for `forRows` rows is made once the
// first rows tell how long one is.
RowPass CopyRows(const CopyJob& job, int64_t from, int64_t to, int64_t forRows, FieldWriter& writer,
                 CopiedFields& out, const ProgressCallback& progress) {
    std::string scratch;
    return ForEachRow(
        job.rows, from, to,
        [&](int64_t row, std::string_view record) {
            const RowFields fields = SplitFields(record);
            writer.StartRow(false);
            for (int c = job.firstColumn; c <= job.lastColumn; ++c)
                writer.Field(c, Shown(fields[c], job.layout.ColumnFormats[c], job.locale, scratch));
            writer.EndRow();
            if (row - from + 1 == SampleRows)
                Reserve(out, static_cast<double>(forRows) / SampleRows);
            return true;
        },
        progress);
}

// The second half of the rows is copied on a thread of its own while this one
// copies the first, then put after it. Progress counts both halves; a cancel
// stops both.
RowPass CopyInTwo(const CopyJob& job, int64_t from, int64_t to, FieldWriter& writer,
                  CopiedFields& out, const ProgressCallback& progress) {
    const int64_t total = to - from + 1, middle = from + total / 2;
    CopiedFields second;
    FieldWriter secondWriter(second, job.layout, true);
    std::atomic<int64_t> secondDone{0};
    std::atomic<bool> stop{false}, secondEnded{false};
    std::thread helper([&] {
        second.pass = CopyRows(job, middle, to, to - middle + 1, secondWriter, second,
                               [&](int64_t done, int64_t) {
                                   secondDone = done;
                                   return !stop;
                               });
        secondEnded = true;
    });
    const auto goOn = [&](int64_t done) {
        if (progress && !progress(done + secondDone, total)) stop = true;
        return !stop;
    };
    RowPass pass = CopyRows(job, from, middle - 1, total, writer, out,
                            [&](int64_t done, int64_t) { return goOn(done); });
    if (!pass.ok) stop = true;
    while (!secondEnded && goOn(middle - from))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    helper.join();
    if (!pass.ok || pass.cancelled) return pass;
    if (stop) pass.cancelled = true;
    if (!second.pass.ok || pass.cancelled) return !second.pass.ok ? second.pass : pass;
    out.text += second.text;
    out.html += second.html;
    return pass;
}

}  // namespace

CopiedFields CopySelection(const RowStore& rows, const ReportLayout& layout,
                           const NumberLocale& locale, const CellSelection& selection,
                           const ProgressCallback& progress) {
    CopiedFields out;
    FieldWriter writer(out, layout);
    const CopyJob job{rows, layout, locale, std::max(selection.FirstColumn(), 1),
                      std::min(selection.LastColumn(), ReportLayout::DescribedColumns)};
    if (!selection.Empty() && selection.wholeRows) {
        writer.StartRow(true);
        for (int c = job.firstColumn; c <= job.lastColumn; ++c) writer.Field(c, layout.Title(c));
        writer.EndRow();
    }
    if (!selection.Empty()) {
        const int64_t from = std::max<int64_t>(selection.FirstRow(), 1);
        const int64_t to = std::min(selection.LastRow(), rows.RecordCount());
        out.pass = to - from + 1 > RowsForTwoThreads
                       ? CopyInTwo(job, from, to, writer, out, progress)
                       : CopyRows(job, from, to, to - from + 1, writer, out, progress);
    }
    writer.Finish();
    return out;
}

}  // namespace Tabulon
