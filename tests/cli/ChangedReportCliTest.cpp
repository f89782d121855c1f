#include <gtest/gtest.h>

#include <new>

#include "CliRunner.h"
#include "SystemCallTracer.h"

using namespace Tabulon;

#ifdef TABULON_SYSTEM_CALL_TRACER
// The work is done on what was read, and the report's change is said in
// Turkish on standard error with a status of its own. The program is followed
// from before it starts and its report changed as it starts its second read.
TEST(ChangedReportCli, ChangeWhileReadingIsWarnedAndEndsWithStatus3) {
    const std::string rows = ReadBytes(TABULON_TEST_DATA "/sample.txt");
    enum Change { None, Cut, Grown };
    const struct {
        const char* command;
        Change change;
        int status;
    } cases[] = {{"csv", Grown, 3}, {"info", Cut, 3}, {"info", None, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + std::to_string(c.change));
        TempDir home, data;
        const std::string report = std::filesystem::canonical(data.Path()).string() + "/r.txt";
        WriteBytes(report, rows);
        const bool csv = std::string(c.command) == "csv";
        QStringList args{c.command, QString::fromStdString(report)};
        if (csv) args << QString::fromStdString(data.File("r.csv"));
        const Change change = c.change;
        // The follower, made in the started program before it runs, goes with
        // the program through its start and ends with it.
        const auto follow = [&report, change] {
            alignas(ThreadTracer) unsigned char place[sizeof(ThreadTracer)];
            new (place) ThreadTracer(FileCall::Read, 2, report, [&report, change] {
                const int fd = open(report.c_str(), O_WRONLY | O_APPEND);
                if (change == Cut && ftruncate(fd, 100) != 0) _exit(4);
                if (change == Grown && write(fd, "9yeni\tsat\r\n", 11) != 11) _exit(4);
                close(fd);
            });
        };
        const ProgramRun run = RunProgram(TABULON_EXPORT_PROGRAM, args,
                                          ExportEnvironment(home, "tr_TR.UTF-8"), follow);
        EXPECT_EQ(run.exitCode, c.status) << run.err;
        const bool warned =
            run.err.find("Rapor dosyası okunurken değişti:\n" + report + "\n") != std::string::npos;
        EXPECT_EQ(warned, c.change != None) << run.err;
        // What was read is all there: the sample, then what came after it.
        if (csv) {
            EXPECT_EQ(RunExport({"csv", "SAMPLE", QString::fromStdString(data.File("s.csv"))}, home)
                          .exitCode,
                      0);
            EXPECT_EQ(ReadBytes(data.File("r.csv")), ReadBytes(data.File("s.csv")) + "yeni,\r\n");
        } else {
            EXPECT_EQ(Json(run)["RowCount"].toInt(), 130);
        }
    }
}
#endif
