#include <gtest/gtest.h>

#include "PlantedTargets.h"
#include "export/ExportFixture.h"

using namespace Tabulon;

TEST(ExportReplacement, FollowsLinksToTheFileAndKeepsItsPermissions) {
    TableUmask umask;
    for (const Exporter& exporter : Exporters()) {
        for (const PlantedTarget& c : PlantedTargets()) {
            SCOPED_TRACE(std::string(exporter.name) + ", " + c.name);
            LoadedReport report({"2A\tB\tC\t", "5N\tT\tC\t", "91\tx\t2\t"});
            report.FillRows(10);  // the progress callback is asked once, before the rows
            TempDir dir;
            if (!Plant(dir, c)) continue;
            // While the rows are written the part file is the user's alone.
            std::vector<mode_t> partModes;
            const std::string folder =
                *c.written ? std::filesystem::path(dir.File(c.written)).parent_path().string()
                           : dir.File("out");
            auto watch = [&](int64_t, int64_t) {
                for (const auto& entry : std::filesystem::directory_iterator(folder))
                    if (entry.path().filename().string().starts_with('.') &&
                        entry.path().string().ends_with(".tmp"))
                        partModes.push_back(
                            static_cast<mode_t>(entry.symlink_status().permissions()));
                return true;
            };
            const auto result = exporter.run(report, dir.File("out/rapor"), watch);
            // The delimited exports' bytes are their own test's, written over an older file.
            ExpectSaved(dir, c, result.Ok(),
                        exporter.name == std::string("xlsx") ? "PK\x03\x04" : "");
            EXPECT_EQ(partModes, *c.written ? std::vector<mode_t>{0600} : std::vector<mode_t>{});
            EXPECT_TRUE(result.Ok() || result.Why().path == dir.File("out/rapor"))
                << result.Why().path;
        }
    }
}
