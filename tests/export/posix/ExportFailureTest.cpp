#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "export/ExportFixture.h"

using namespace Tabulon;

// A disk fills up after 64 KiB: a file-size limit on this process.
enum class Fault { MissingFolder, TargetIsAFolder, FileSizeLimit };

TEST(ExportFailure, ReportsAndKeepsWhatWasThere) {
    for (Fault failure : {Fault::MissingFolder, Fault::TargetIsAFolder, Fault::FileSizeLimit}) {
        for (const Exporter& exporter : Exporters()) {
            SCOPED_TRACE(std::string(exporter.name) + " " + std::to_string(int(failure)));
            LoadedReport report({"2A\tB\tC\t", "5N\tT\tC\t", "91\tx\t2\t"});
            const bool smallDisk = failure == Fault::FileSizeLimit,
                       missing = failure == Fault::MissingFolder;
            if (smallDisk) report.FillRows(60000);  // far more than the disk holds
            const std::string target = report.Out(missing ? "yok/rapor" : "rapor");
            // What stays: the older file, or what the folder in its place holds.
            const std::string kept = smallDisk ? target : target + "/içerik";
            if (failure == Fault::TargetIsAFolder) std::filesystem::create_directory(target);
            if (!missing) WriteBytes(kept, "eski dosya");
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64 * 1024, saved.rlim_max};
            if (failure == Fault::FileSizeLimit) setrlimit(RLIMIT_FSIZE, &limit);
            testing::internal::CaptureStderr();
            const Outcome<ExportedRows> result = exporter.run(report, target, {});
            // Our message is the caller's to show; no library adds its own.
            const std::string printed = testing::internal::GetCapturedStderr();
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previousHandler);
            EXPECT_TRUE(!result.Ok() && !result.Why().reason.empty() &&
                        result.Why().path == target);
            EXPECT_EQ(printed, "");
            EXPECT_EQ(report.OutFiles(),
                      missing ? std::set<std::string>{} : std::set<std::string>{"rapor"});
            EXPECT_EQ(missing ? result.Why().reason : ReadBytes(kept),
                      missing ? "No such file or directory" : "eski dosya");
        }
    }
}
