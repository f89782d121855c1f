#include <gtest/gtest.h>

#include "CliRunner.h"

using namespace Tabulon;

// On a real file system too small for the working file (a tmpfs of 1 MiB,
// mounted in a mount namespace of the run's own, so nothing outside sees it)
// the report is refused with status 7, saying the size needed and the room
// there is, and nothing is written there.
TEST(NoRoomCli, ATmpfsTooSmallForTheReport) {
    TempDir home;
    std::filesystem::create_directories(home.File("kucuk"));
    std::string text = ReportText({"1SATIŞ", "2Kod\tAd\tTutar\t", "5Z\tT\tC\t"});
    for (int i = 1; i <= 4000; ++i) text += "9" + std::to_string(i) + "\tAli\t12,50\t\r\n";
    WriteBytes(home.File("rapor.txt"), text);
    QProcessEnvironment env = ExportEnvironment(home, "tr_TR.UTF-8");
    env.insert("TMPDIR", QString::fromStdString(home.File("kucuk")));
    const QString script =
        "mount -t tmpfs -o size=1m tabulon-test \"$TMPDIR\" || exit 99\n"
        "\"$0\" \"$@\"; status=$?\n"
        "echo kalan: $(ls -A \"$TMPDIR\")\n"
        "exit $status";
    const ProgramRun run =
        RunProgram("unshare",
                   {"--user", "--map-root-user", "--mount", "sh", "-c", script,
                    TABULON_EXPORT_PROGRAM, "info", QString::fromStdString(home.File("rapor.txt"))},
                   env);
    if (run.out.find("kalan:") == std::string::npos)
        GTEST_SKIP() << "this system does not let a test mount a tmpfs of its own: " << run.err;
    EXPECT_EQ(run.exitCode, 7);
    EXPECT_EQ(run.out, "kalan:\n");
    // 4000 rows of 512 bytes against the tmpfs's megabyte.
    EXPECT_EQ(run.err, "Geçici klasörde rapor için yeterli yer yok:\n" + home.File("kucuk") +
                           "\nRaporun çalışma dosyası için 2,0 MB gerekiyor, boş yer 1,0 MB.\n");
}
