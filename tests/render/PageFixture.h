#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "RecordingTarget.h"
#include "TestSupport.h"
#include "core/ReportModel.h"
#include "core/SettingsStore.h"
#include "input/ComputePageTotals.h"
#include "input/RowStore.h"
#include "render/PageView.h"

// A small report on the default A4 page with fixed metrics (rows 230 twips
// high, characters 120 wide), its rows in a row store of its own.
struct PageFixture {
    TempDir dir;
    ReportModel model;
    PageView view;
    RecordingTarget target{25000, 16838};

    PageFixture() {
        ApplyDefaultSettings(model, 1);
        model.CurrentPage = 1;
        view.locale = NumberLocale::Turkish();
        view.now = {2026, 11, 30, 17, 45};
        view.rowStorePath = dir.File("rows.dat");
        PageMetrics& m = view.metrics;
        m.LeftMargin = m.RightMargin = m.TopMargin = m.BottomMargin = 810;
        m.RowHeight = 230;
        m.CharWidth = 120;
        m.PrintableWidth = 10286;
        m.PrintableHeight = 14968;
        m.RowsPerPage = 5;
        m.CharsPerLine = 85;
    }

    // Columns as title, width, pattern and total flag.
    struct Column {
        std::string title;
        int16_t width;
        std::string pattern;
        bool total = false;
    };
    void Columns(const std::vector<Column>& columns) {
        for (size_t i = 0; i < columns.size(); ++i) {
            const int c = static_cast<int>(i) + 1;
            model.ColumnTitles[c] = columns[i].title;
            model.ColumnWidths[c] = columns[i].width;
            model.ColumnFormats[c] = columns[i].pattern;
            model.ColumnTotalFlags[c] = columns[i].total;
        }
        model.FieldCount = static_cast<int16_t>(columns.size());
    }

    // Writes the rows (fields joined by TABs, each ending with one) and runs
    // the totals pass as measuring would.
    void Rows(const std::vector<std::vector<std::string>>& rows) {
        RowStore store;
        store.Create(view.rowStorePath);
        for (const auto& row : rows) {
            std::string line;
            for (const auto& field : row) line += field + "\t";
            store.Append(line);
        }
        store.Close();
        const int16_t fields = model.FieldCount;
        ComputePageTotals(model, view.metrics.RowsPerPage, view.rowStorePath, view.locale);
        model.FieldCount = fields;
    }
};

// Where and how a text was drawn: "x,y size" and " bold"; "-" when it was not drawn.
inline std::string Where(const RecordingTarget& target, std::string_view text) {
    const RecordingTarget::TextOp* t = target.FindText(text);
    if (!t) return "-";
    std::ostringstream out;
    out << t->x << ',' << t->y << ' ' << t->size << (t->bold ? " bold" : "");
    return out.str();
}

// A box's corners as "x1,y1,x2,y2".
inline std::string Edges(const RecordingTarget::BoxOp& box) {
    std::ostringstream out;
    out << box.x1 << ',' << box.y1 << ',' << box.x2 << ',' << box.y2;
    return out.str();
}
