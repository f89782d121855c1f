#pragma once
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "export/ExportDelimited.h"
#if TABULON_WORKBOOK
#include "export/ExportWorkbook.h"
#endif
#include "input/LoadReport.h"
#include "input/RowStore.h"

namespace Tabulon {

// A report loaded from these lines, with a folder of its own for the exports.
struct LoadedReport {
    TempDir dir;
    LoadResult loaded;
    const ReportLayout& layout = loaded.layout;
    RowStore& rows = loaded.rows;
    const std::string outDir = dir.File("out");

    explicit LoadedReport(const std::vector<std::string>& lines) {
        std::filesystem::create_directories(outDir);
        WriteBytes(dir.File("report.txt"), ReportText(lines));
        loaded = LoadReport(dir.File("report.txt"), dir.File("BUFFILE.DAT"));
    }
    std::string Out(const std::string& name) const { return outDir + "/" + name; }
    // Names in the export folder, so stray temporary files show up.
    std::set<std::string> OutFiles() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(outDir))
            names.insert(entry.path().filename().string());
        return names;
    }
    // Replaces the rows with `count` rows of three fields that do not compress well.
    void FillRows(int count, bool keepName = false) {
        EXPECT_TRUE(rows.Create(dir.File("BUFFILE.DAT"), keepName).Ok());
        for (int i = 0; i < count; ++i)
            rows.Append(std::to_string(i * 7919 % 100003) + "\tsatır " + std::to_string(i * 31) +
                        "\t" + std::to_string(i) + ",25\t");
        EXPECT_TRUE(rows.Flush().Ok());
    }
};

// The exports by their command's name: the comma-separated values stand for the comma
// and tab texts, which differ in separator and titles only; the workbook in Turkish.
struct Exporter {
    const char* name;
    std::function<Outcome<ExportedRows>(LoadedReport&, const std::string&, const ProgressCallback&)>
        run;
};

inline std::vector<Exporter> Exporters() {
    return {
        {"csv",
         [](LoadedReport& r, const std::string& out, const ProgressCallback& p) {
             return ExportDelimited(r.rows, r.layout, r.loaded.fieldCount, DelimitedFormat::Csv,
                                    out, p);
         }},
#if TABULON_WORKBOOK  // not in the engine built for Windows
            {"xlsx", [](LoadedReport& r, const std::string& out, const ProgressCallback& p) {
                 return ExportWorkbook(r.rows, r.layout, r.loaded.fieldCount, r.layout.ColumnWidths,
                                       NumberLocale::Turkish(), out, p);
             }},
#endif
    };
}

}  // namespace Tabulon
