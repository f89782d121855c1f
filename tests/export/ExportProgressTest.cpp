#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "export/ExportDelimited.h"
#include "export/ExportWorkbook.h"
#include "input/LoadReport.h"

namespace {

using Export = std::function<ExportResult(ReportModel&, const std::string& rowStore,
                                          const std::string& target, const ProgressCallback&)>;

ExportResult Delimited(DelimitedFormat format, ReportModel& model, const std::string& rowStore,
                       const std::string& target, const ProgressCallback& progress) {
    return ExportDelimited(model, rowStore, format, target, progress);
}

const std::vector<std::pair<const char*, Export>> Exports = {
    {"csv", std::bind_front(Delimited, DelimitedFormat::Csv)},
    {"txt", std::bind_front(Delimited, DelimitedFormat::CommaText)},
    {"tsv", std::bind_front(Delimited, DelimitedFormat::TabText)},
    {"xlsx",
     [](ReportModel& model, const std::string& rowStore, const std::string& target,
        const ProgressCallback& progress) {
         return ExportWorkbook(model, rowStore, NumberLocale::Turkish(), target, progress);
     }},
};

// A report of 10000 rows beside an older file of the name the export is given.
struct BigReport {
    TempDir dir;
    ReportModel model;
    std::string rowStore = dir.File("BUFFILE.DAT");
    std::string target = dir.File("out/rapor");

    BigReport() {
        std::string text = "1Rapor\r\n2Kod\tTutar\t\r\n5N\tC\t\r\n";
        for (int i = 1; i <= 10000; ++i) text += "9" + std::to_string(i) + "\t12,50\t\r\n";
        WriteBytes(dir.File("report.txt"), text);
        LoadReport(model, dir.File("report.txt"), rowStore);
        std::filesystem::create_directories(dir.File("out"));
        WriteBytes(target, "eski");
    }
    size_t FilesBesideTarget() const {
        const auto entries = std::filesystem::directory_iterator(dir.File("out"));
        return static_cast<size_t>(std::distance(begin(entries), end(entries)));
    }
};

using Asked = std::vector<std::pair<int64_t, int64_t>>;

TEST(ExportProgress, EveryExportAsksEvery4096RowsAndStopsWhenTold) {
    for (const auto& [name, run] : Exports) {
        SCOPED_TRACE(name);
        BigReport report;
        Asked asked;
        const ExportResult stopped =
            run(report.model, report.rowStore, report.target, [&](int64_t done, int64_t total) {
                asked.emplace_back(done, total);
                return asked.size() < 2;
            });
        EXPECT_FALSE(stopped.ok);
        EXPECT_TRUE(stopped.cancelled);
        EXPECT_EQ(asked, (Asked{{4096, 10000}, {8192, 10000}}));
        // The older file stays as it was and nothing is left beside it.
        EXPECT_EQ(ReadBytes(report.target), "eski");
        EXPECT_EQ(report.FilesBesideTarget(), 1u);

        asked.clear();
        const ExportResult finished =
            run(report.model, report.rowStore, report.target, [&](int64_t done, int64_t total) {
                asked.emplace_back(done, total);
                return true;
            });
        EXPECT_TRUE(finished.ok);
        EXPECT_FALSE(finished.cancelled);
        EXPECT_EQ(asked, (Asked{{4096, 10000}, {8192, 10000}}));
        EXPECT_GT(ReadBytes(report.target).size(), 10000u * 4);
    }
}

}  // namespace
