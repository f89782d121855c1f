#pragma once
#include <string>
#include <vector>

#include "RecordingTarget.h"
#include "TestSupport.h"
#include "core/SettingsStore.h"
#include "input/ComputePageTotals.h"
#include "render/MeasureReportFont.h"
#include "render/RenderPage.h"
#include "render/ReportPages.h"

namespace Tabulon {

// The default A4 page as measured on the recording target's metrics, 5 rows a page.
struct PageFixture {
    TempDir dir;
    PageSetup setup = DefaultPageSetup(1);
    ReportPages pages;
    NumberLocale locale = NumberLocale::Turkish();
    RecordingTarget target;

    PageFixture() {
        pages.metrics = MeasureReportFont(target, setup, 2);
        pages.metrics.RowsPerPage = 5;
    }
    ReportLayout& Layout() { return pages.layout; }

    // The layout describes 50 columns, rows may hold more.
    struct Column {
        std::string title;
        int16_t width;
        std::string pattern;
        bool total = false;
    };
    void Columns(const std::vector<Column>& columns) {
        for (size_t c = 1; c <= columns.size() && c <= ReportLayout::DescribedColumns; ++c) {
            Layout().ColumnTitles[c] = columns[c - 1].title;
            Layout().ColumnWidths[c] = columns[c - 1].width;
            Layout().ColumnFormats[c] = columns[c - 1].pattern;
            Layout().ColumnTotalFlags[c] = columns[c - 1].total;
        }
        pages.fieldCount = static_cast<int>(columns.size());
    }

    // Counts the pages as opening would; the field count stays the columns'.
    void Rows(const std::vector<std::vector<std::string>>& rows) {
        EXPECT_TRUE(pages.rows.Create(dir.File("BUFFILE.DAT"), true).Ok());
        for (const auto& row : rows) {
            std::string line;
            for (const auto& field : row) line += field + "\t";
            pages.rows.Append(line);
        }
        EXPECT_TRUE(pages.rows.Flush().Ok());
        pages.totals =
            ComputePageTotals(pages.rows, TotalFlagsOf(Layout()), pages.metrics.RowsPerPage, locale)
                ->totals;
    }

    // Opens the report from its text as the window does, measured on the target.
    void Open(const std::string& text) {
        WriteBytes(dir.File("r.txt"), text);
        LoadOptions options;
        options.locale = locale;
        EXPECT_TRUE(
            OpenReportPages(pages, dir.File("r.txt"), dir.File("B.DAT"), options, target, setup)
                .Ok());
    }

    PageDrawing Render(int32_t page = 1, float zoom = 1.0f, const FieldShading* shading = nullptr) {
        target.Clear();
        const Outcome<PageDrawing> drawn =
            RenderPage(target, pages.Inputs(setup, locale, {2026, 11, 30, 17, 45}), page, zoom,
                       pages.fieldCount, shading);
        EXPECT_TRUE(drawn.Ok()) << drawn.Why().reason;
        return drawn.Value();
    }
};

}  // namespace Tabulon
