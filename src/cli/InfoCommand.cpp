#include "cli/InfoCommand.h"

#include <cstdio>

#include "cli/CliSession.h"
#include "cli/JsonWriter.h"
#include "render/PagePlaces.h"

namespace Tabulon {

namespace {

template <typename Table>
std::vector<long long> Numbers(const Table& table) {
    return std::vector<long long>(table.begin() + 1, table.end());
}

// The page metrics measured in the report font.
void PrintMetrics(JsonWriter& json, const PageMetrics& metrics) {
    json.Member("LeftMargin", static_cast<long long>(metrics.LeftMargin));
    json.Member("RightMargin", static_cast<long long>(metrics.RightMargin));
    json.Member("TopMargin", static_cast<long long>(metrics.TopMargin));
    json.Member("BottomMargin", static_cast<long long>(metrics.BottomMargin));
    json.Member("RowHeight", static_cast<long long>(metrics.RowHeight));
    json.Member("CharWidth", static_cast<long long>(metrics.CharWidth));
    json.Member("PrintableWidth", static_cast<long long>(metrics.PrintableWidth));
    json.Member("PrintableHeight", static_cast<long long>(metrics.PrintableHeight));
    json.Member("RowsPerPage", static_cast<long long>(metrics.RowsPerPage));
    json.Member("CharsPerLine", static_cast<long long>(metrics.CharsPerLine));
}

}  // namespace

void PrintInfo(const CliSession& session) {
    const ReportPages& pages = session.pages;
    const ReportLayout& layout = pages.layout;
    constexpr int Columns = ReportLayout::DescribedColumns;
    JsonWriter json(stdout);
    json.Member("RowCount", static_cast<long long>(pages.rows.RecordCount()));
    json.Member("HeaderCount", static_cast<long long>(layout.HeaderCount));
    json.Member("HeaderLines",
                std::vector<std::string>(layout.HeaderLines.begin() + 1, layout.HeaderLines.end()));
    json.Member("FieldCount", static_cast<long long>(pages.fieldCount));
    std::vector<std::string> formats(layout.ColumnFormats.begin() + 1, layout.ColumnFormats.end());
    std::vector<long long> kinds;
    std::vector<bool> flags;
    for (int c = 1; c <= Columns; ++c) {
        kinds.push_back(layout.ColumnKinds[c]);
        flags.push_back(layout.ColumnTotalFlags[c]);
    }
    json.Member("ColumnTitles", std::vector<std::string>(layout.ColumnTitles.begin() + 1,
                                                         layout.ColumnTitles.end()));
    json.Member("ColumnWidths", Numbers(layout.ColumnWidths));
    // What the page draws: a column is widened to hold its widest printed total.
    const ColumnWidthTable& widths = pages.Widths(session.setup, session.locale);
    json.Member("DrawnWidths", Numbers(widths));
    json.Member("ColumnFormats", formats);
    json.Member("ColumnKinds", kinds);
    json.Member("ColumnTotalFlags", flags);
    PrintMetrics(json, pages.metrics);
    const ColumnFlags fits = ColumnFitsOf(widths, pages.metrics, pages.fieldCount);
    json.Member("ColumnFits", std::vector<bool>(fits.begin() + 1, fits.end()));
    json.Member("PageCount", static_cast<long long>(pages.totals.pageCount));
    // One page's totals at a time, so memory stays flat however many pages.
    json.BeginRows("PageTotals");
    for (int32_t p = 1; p <= pages.totals.pageCount; ++p) {
        json.Row(ReportLayout::TotalledColumns, [&](std::string& out, size_t i) {
            // A plain number needs no escape.
            out.push_back('"');
            AppendPlainText(out, pages.totals.table.Get(p, static_cast<int>(i) + 1));
            out.push_back('"');
        });
    }
    json.EndRows();
    // Which page totals hold an amount beyond the range, as [page, column]:
    // they and the cumulative totals of their column from that page on show
    // the mark instead of a number.
    json.BeginRows("OverflowTotals");
    for (int32_t p = 1; p <= pages.totals.pageCount; ++p)
        for (int c = 1; c <= ReportLayout::TotalledColumns; ++c)
            if (pages.totals.table.Get(p, c).Overflowed())
                json.Row(
                    2, [&](std::string& out, size_t i) { out += std::to_string(i == 0 ? p : c); });
    json.EndRows();
    // The working file has no name unless it was asked to keep one.
    if (pages.rows.Path().empty())
        json.Null("RowStore");
    else
        json.Member("RowStore", pages.rows.Path());
    json.Finish();
}

}  // namespace Tabulon
