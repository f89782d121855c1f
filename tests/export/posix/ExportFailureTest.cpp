#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "export/ExportFixture.h"

using namespace Tabulon;

// A folder where the file should go, and a disk that fills up after 64 KiB (a
// file-size limit on this process). A missing folder is the command line's run.
TEST(ExportFailure, ReportsAndKeepsWhatWasThere) {
    for (const bool smallDisk : {false, true}) {
        for (const Exporter& exporter : Exporters()) {
            SCOPED_TRACE(std::string(exporter.name) + (smallDisk ? " small disk" : " folder"));
            LoadedReport report({"2A\tB\tC\t", "5N\tT\tC\t", "91\tx\t2\t"});
            if (smallDisk) report.FillRows(60000);  // far more than the disk holds
            const std::string target = report.Out("rapor");
            // What stays: the older file, or what the folder in its place holds.
            const std::string kept = smallDisk ? target : target + "/içerik";
            if (!smallDisk) std::filesystem::create_directory(target);
            WriteBytes(kept, "eski dosya");
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64 * 1024, saved.rlim_max};
            if (smallDisk) setrlimit(RLIMIT_FSIZE, &limit);
            testing::internal::CaptureStderr();
            const Outcome<ExportedRows> result = exporter.run(report, target, {});
            // Our message is the caller's to show; no library adds its own.
            const std::string printed = testing::internal::GetCapturedStderr();
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previousHandler);
            EXPECT_TRUE(!result.Ok() && !result.Why().reason.empty() &&
                        result.Why().path == target);
            EXPECT_EQ(printed, "");
            EXPECT_EQ(report.OutFiles(), std::set<std::string>{"rapor"});
            EXPECT_EQ(ReadBytes(kept), "eski dosya");
        }
    }
}
