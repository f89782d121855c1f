#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>

#include "ExportFixture.h"

namespace {

// Each way saving can fail: the export reports it, leaves no partial file
// and keeps what was there. A disk fills up after 64 KiB, as a small tmpfs
// where mounting is allowed and always as a file-size limit on this process.
enum class Failure { MissingFolder, TargetIsAFolder, FullTmpfs, FileSizeLimit };

TEST(ExportFailure, ReportsAndKeepsWhatWasThere) {
    for (Failure failure : {Failure::MissingFolder, Failure::TargetIsAFolder, Failure::FullTmpfs,
                            Failure::FileSizeLimit}) {
        for (const Exporter& exporter : Exporters()) {
            SCOPED_TRACE(std::string(exporter.name) + " " + std::to_string(int(failure)));
            LoadedReport report({"2A\tB\tC\t", "5N\tT\tC\t", "91\tx\t2\t"});
            const bool smallDisk =
                failure == Failure::FullTmpfs || failure == Failure::FileSizeLimit;
            if (smallDisk) report.FillRows(60000);  // far more than the disk holds
            if (failure == Failure::FullTmpfs &&
                mount("tmpfs", report.outDir.c_str(), "tmpfs", 0, "size=64k") != 0)
                continue;
            std::string target = report.Out("rapor");
            std::set<std::string> kept = {"rapor"};
            if (failure == Failure::MissingFolder) {
                target = report.Out("yok/rapor");
                kept.clear();
            } else if (failure == Failure::TargetIsAFolder) {
                std::filesystem::create_directory(target);
                WriteBytes(target + "/içerik", "kalır");
            } else {
                WriteBytes(target, "eski dosya");
            }
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            if (failure == Failure::FileSizeLimit) {
                rlimit limit = saved;
                limit.rlim_cur = 64 * 1024;
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            testing::internal::CaptureStderr();
            const ExportResult result = exporter.run(report, target, {});
            // Our message is the caller's to show; no library adds its own.
            const std::string printed = testing::internal::GetCapturedStderr();
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previousHandler);

            EXPECT_FALSE(result.ok());
            EXPECT_EQ(printed, "");
            EXPECT_FALSE(result.reason.empty());
            EXPECT_EQ(result.path, target);
            EXPECT_EQ(report.OutFiles(), kept);
            if (failure == Failure::MissingFolder) {
                EXPECT_EQ(result.reason, "No such file or directory");
            } else {
                EXPECT_EQ(ReadBytes(smallDisk ? target : target + "/içerik"),
                          smallDisk ? "eski dosya" : "kalır");
            }
            if (failure == Failure::FullTmpfs) umount2(report.outDir.c_str(), MNT_DETACH);
        }
    }
}

}  // namespace
