#include "cli/InfoCommand.h"

#include "cli/CliSession.h"
#include "cli/JsonWriter.h"

std::string InfoJson(const CliSession& session) {
    const ReportModel& m = session.model;
    constexpr int Columns = ReportModel::DescribedColumns;
    JsonWriter json;
    json.Member("RowCount", static_cast<long long>(m.RowCount));
    json.Member("HeaderCount", static_cast<long long>(m.HeaderCount));
    json.Member("HeaderLines",
                std::vector<std::string>(m.HeaderLines.begin() + 1, m.HeaderLines.end()));
    json.Member("FieldCount", static_cast<long long>(m.FieldCount));
    std::vector<std::string> titles, formats;
    std::vector<long long> widths, kinds;
    std::vector<bool> flags;
    for (int c = 1; c <= Columns; ++c) {
        titles.push_back(m.ColumnTitles[c]);
        widths.push_back(m.ColumnWidths[c]);
        formats.push_back(m.ColumnFormats[c]);
        kinds.push_back(m.ColumnKinds[c]);
        flags.push_back(m.ColumnTotalFlags[c]);
    }
    json.Member("ColumnTitles", titles);
    json.Member("ColumnWidths", widths);
    json.Member("ColumnFormats", formats);
    json.Member("ColumnKinds", kinds);
    json.Member("ColumnTotalFlags", flags);
    const PageMetrics& metrics = session.view.metrics;
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
    json.Member("ColumnFits", std::vector<bool>(session.view.ColumnFits.begin() + 1,
                                                session.view.ColumnFits.end()));
    json.Member("PageCount", static_cast<long long>(m.PageCount));
    std::vector<std::vector<std::string>> totals;
    for (int32_t p = 1; p <= m.PageCount; ++p) {
        std::vector<std::string> row;
        for (int c = 1; c <= ReportModel::TotalledColumns; ++c)
            row.push_back(CurrencyToPlainText(m.PageTotals.Get(p, c)));
        totals.push_back(std::move(row));
    }
    json.Member("PageTotals", totals);
    json.Member("RowStore", session.rowStorePath);
    return json.Finish();
}
