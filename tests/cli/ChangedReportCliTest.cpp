#include <gtest/gtest.h>

#include <new>

#include "ProgramRun.h"
#include "SystemCallTracer.h"

using namespace Tabulon;

#ifdef TABULON_SYSTEM_CALL_TRACER
// The work is done on what was read, and the report's change is said in
// Turkish on standard error with a status of its own. The program is followed
// from before it starts and a row added to its report as it starts its second read.
TEST(ChangedReportCli, ChangeWhileReadingIsWarnedAndEndsWithStatus3) {
    TempDir home, data;
    const std::string report = std::filesystem::canonical(data.Path()).string() + "/r.txt";
    WriteBytes(report, ReadBytes(TABULON_TEST_DATA "/sample.txt"));
    // The follower, made in the started program before it runs, goes with
    // the program through its start and ends with it.
    const auto follow = [&report] {
        alignas(ThreadTracer) unsigned char place[sizeof(ThreadTracer)];
        new (place) ThreadTracer(FileCall::Read, 2, report, [&report] {
            const int fd = open(report.c_str(), O_WRONLY | O_APPEND);
            if (write(fd, "9yeni\tsat\r\n", 11) != 11) _exit(4);
            close(fd);
        });
    };
    const ProgramRun run = RunProgram(
        TABULON_EXPORT_PROGRAM,
        {"csv", QString::fromStdString(report), QString::fromStdString(data.File("r.csv"))},
        ExportEnvironment(home, "tr_TR.UTF-8"), follow);
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_NE(run.err.find("Rapor dosyası okunurken değişti:\n" + report + "\n"), std::string::npos)
        << run.err;
    // What was read is all there: the sample, then what came after it.
    ASSERT_EQ(
        RunExport({"csv", "SAMPLE", QString::fromStdString(data.File("s.csv"))}, home).exitCode, 0);
    EXPECT_EQ(ReadBytes(data.File("r.csv")), ReadBytes(data.File("s.csv")) + "yeni,\r\n");
}
#endif
