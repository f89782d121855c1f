#include <gtest/gtest.h>

#include "CliRunner.h"

using namespace Tabulon;

namespace {

// `tabulon-export info` with its temporary folder on a tmpfs of 1 MiB, mounted
// in a mount namespace of the run's own (nothing outside sees it, and it goes
// with the run), followed by what the run left there.
ProgramRun InfoOnSmallTmpfs(const TempDir& home, const std::string& report) {
    QProcessEnvironment env = ExportEnvironment(home, "tr_TR.UTF-8");
    env.insert("TMPDIR", QString::fromStdString(home.File("kucuk")));
    const QString script =
        "mount -t tmpfs -o size=1m tabulon-test \"$TMPDIR\" || exit 99\n"
        "\"$0\" \"$@\"; status=$?\n"
        "echo kalan: $(ls -A \"$TMPDIR\")\n"
        "exit $status";
    return RunProgram("unshare",
                      {"--user", "--map-root-user", "--mount", "sh", "-c", script,
                       TABULON_EXPORT_PROGRAM, "info", QString::fromStdString(report)},
                      env);
}

}  // namespace

// On a real file system too small for the working file the report is refused
// with status 7, saying the size needed and the room there is, and nothing is
// written there; a report that fits loads as always and leaves nothing either.
TEST(NoRoomCli, ATmpfsTooSmallForTheReport) {
    TempDir home;
    std::filesystem::create_directories(home.File("kucuk"));
    const ProgramRun probe =
        RunProgram("unshare", {"--user", "--map-root-user", "--mount", "sh", "-c",
                               "mount -t tmpfs -o size=1m tabulon-test \"$0\"",
                               QString::fromStdString(home.File("kucuk"))});
    if (probe.exitCode != 0)
        GTEST_SKIP() << "this system does not let a test mount a tmpfs of its own: " << probe.err;
    for (const int rows : {100, 4000}) {
        SCOPED_TRACE(rows);
        std::string text = ReportText({"1SATIŞ", "2Kod\tAd\tTutar\t", "5Z\tT\tC\t"});
        for (int i = 1; i <= rows; ++i) text += "9" + std::to_string(i) + "\tAli\t12,50\t\r\n";
        WriteBytes(home.File("rapor.txt"), text);
        const ProgramRun run = InfoOnSmallTmpfs(home, home.File("rapor.txt"));
        if (rows == 100) {
            EXPECT_EQ(run.exitCode, 0) << run.err;
            EXPECT_TRUE(run.out.ends_with("kalan:\n")) << run.out;
            continue;
        }
        EXPECT_EQ(run.exitCode, 7);
        EXPECT_EQ(run.out, "kalan:\n");
        // 4000 rows of 512 bytes against the tmpfs's megabyte.
        EXPECT_EQ(run.err,
                  "Geçici klasörde rapor için yeterli yer yok:\n" + home.File("kucuk") +
                      "\nRaporun çalışma dosyası için 2,0 MB gerekiyor, boş yer 1,0 MB.\n");
    }
}
