#include <gtest/gtest.h>

#include "CliRunner.h"
#include "SystemCallTracer.h"

using namespace Tabulon;

#ifdef TABULON_SYSTEM_CALL_TRACER
namespace {

// tabulon-export with `args`, its report changed as it starts its second read
// of it; standard output and error are kept in `home`.
ProgramRun RunWhileReportChanges(const QStringList& args, const TempDir& home,
                                 const std::string& report, const std::function<void()>& change) {
    std::vector<std::string> words{TABULON_EXPORT_PROGRAM};
    for (const QString& arg : args) words.push_back(arg.toStdString());
    std::vector<std::string> environment;
    for (const QString& entry : ExportEnvironment(home, "tr_TR.UTF-8").toStringList())
        environment.push_back(entry.toStdString());
    std::vector<char*> argv, envp;
    for (auto& word : words) argv.push_back(word.data());
    for (auto& entry : environment) envp.push_back(entry.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    const std::string out = home.File("out.log"), err = home.File("err.log");
    const pid_t child = fork();
    if (child == 0) {
        dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
        ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        raise(SIGSTOP);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    EXPECT_TRUE(ChangeAtCall(child, FileCall::Read, 2, report, change))
        << "the report was not read twice";
    waitpid(child, &status, 0);
    ProgramRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(out), ReadBytes(err)};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

}  // namespace

// The work is done on what was read, and the report's change is said in
// Turkish on standard error with a status of its own.
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
        const ProgramRun run = RunWhileReportChanges(args, home, report, [&] {
            if (c.change == Cut) {
                ASSERT_EQ(truncate(report.c_str(), 100), 0);
            } else if (c.change == Grown) {
                const int fd = open(report.c_str(), O_WRONLY | O_APPEND);
                ASSERT_EQ(write(fd, "9yeni\tsat\r\n", 11), 11);
                close(fd);
            }
        });
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
