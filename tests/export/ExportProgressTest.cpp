#include <gtest/gtest.h>

#include "ExportFixture.h"

using namespace Tabulon;

using Asked = std::vector<std::pair<int64_t, int64_t>>;

TEST(ExportProgress, EveryExportAsksAtEachMegabyteOfRowsAndStopsWhenTold) {
    for (const Exporter& exporter : Exporters()) {
        SCOPED_TRACE(exporter.name);
        LoadedReport report({"2Kod\tAd\tTutar\t", "5N\tT\tC\t"});
        report.FillRows(10000);
        const std::string target = report.Out("rapor");
        WriteBytes(target, "eski");
        for (bool stop : {true, false}) {
            Asked asked;
            const ExportResult result =
                exporter.run(report, target, [&](int64_t done, int64_t total) {
                    asked.emplace_back(done, total);
                    return !stop || asked.size() < 2;
                });
            EXPECT_EQ(result.ok(), !stop);
            EXPECT_EQ(result.cancelled(), stop);
            const Asked all = {
                {0, 10000}, {2048, 10000}, {4096, 10000}, {6144, 10000}, {8192, 10000}};
            EXPECT_EQ(asked, stop ? Asked(all.begin(), all.begin() + 2) : all);
            // Stopped, the older file stays as it was and nothing is left beside it.
            EXPECT_EQ(report.OutFiles(), std::set<std::string>{"rapor"});
            EXPECT_TRUE(stop ? ReadBytes(target) == "eski" : ReadBytes(target).size() > 10000 * 4);
        }
    }
}
