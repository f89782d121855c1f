#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>

#include "PlantedTargets.h"
#include "export/ExportFixture.h"

using namespace Tabulon;

TEST(ExportReplacement, FollowsLinksToTheFileAndKeepsItsPermissions) {
    // How each export's file begins: rows of FillRows, or the format's magic.
    const std::map<std::string, std::string> starts = {{"csv", "0,satır 0,0.25,\r\n"},
                                                       {"txt", "A,B,C,\r\n0,"},
                                                       {"tsv", "A\tB\tC\t\r\n0\t"},
                                                       {"xlsx", "PK\x03\x04"}};
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
                for (const auto& entry : std::filesystem::directory_iterator(folder)) {
                    struct stat status {};
                    if (entry.path().filename().string().starts_with('.') &&
                        entry.path().string().ends_with(".tmp") &&
                        lstat(entry.path().c_str(), &status) == 0)
                        partModes.push_back(status.st_mode & 0777);
                }
                return true;
            };
            const ExportResult result = exporter.run(report, dir.File("out/rapor"), watch);
            ExpectSaved(dir, c, result.ok(), starts.at(exporter.name));
            EXPECT_EQ(partModes, *c.written ? std::vector<mode_t>{0600} : std::vector<mode_t>{});
            EXPECT_TRUE(result.ok() || result.path == dir.File("out/rapor")) << result.path;
        }
    }
}
