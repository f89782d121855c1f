#include <gtest/gtest.h>
#include <signal.h>

#include "../../bench/ReportGenerator.h"
#include "PlantedTargets.h"
#include "ProgramRun.h"

using namespace Tabulon;

// The program still ends by the signal; one ignored (as under nohup) lets the
// export complete.
TEST(SavedOutput, ASignalDuringTheExportLeavesNoPartFileAndTheOlderFileAlone) {
    TempDir data;
    // Large enough that every export is still writing when the signal comes.
    WriteLargeReport(data.File("rapor.txt"), 300000);
    for (const auto& [command, signal, ignored] : {std::tuple{"csv", SIGTERM, false},
                                                   {"xlsx", SIGINT, false},
                                                   {"pdf", SIGHUP, false},
                                                   {"txt", SIGHUP, true}}) {
        SCOPED_TRACE(std::string(command) + " " + strsignal(signal));
        TempDir home;
        const std::string target = home.File(std::string("rapor.") + command);
        const auto writing = [&] {
            for (const std::string& path : LeftIn(home))
                if (path.ends_with(".tmp")) return true;
            return false;
        };
        // Stopped as soon as its part file shows, signalled while it is still there.
        QProcess program;
        bool signalled = false;
        for (int attempt = 0; attempt < 5 && !signalled; ++attempt) {
            WriteBytes(target, OlderBytes);
            program.setProcessEnvironment(ExportEnvironment(home, "tr_TR.UTF-8"));
            program.setChildProcessModifier(
                [signal, ignored] { ::signal(signal, ignored ? SIG_IGN : SIG_DFL); });
            program.start(TABULON_EXPORT_PROGRAM,
                          {command, QString::fromStdString(data.File("rapor.txt")),
                           QString::fromStdString(target)});
            program.waitForStarted();
            while (program.state() == QProcess::Running && !writing()) program.waitForFinished(1);
            const pid_t pid = static_cast<pid_t>(program.processId());
            if (pid > 0) kill(pid, SIGSTOP);
            signalled = pid > 0 && program.state() == QProcess::Running && writing();
            if (signalled) kill(pid, signal);
            if (pid > 0) kill(pid, SIGCONT);
            program.waitForFinished(120000);
        }
        ASSERT_TRUE(signalled) << "each export ended before its signal";
        EXPECT_EQ(program.exitStatus(), ignored ? QProcess::NormalExit : QProcess::CrashExit);
        EXPECT_EQ(program.exitCode(), ignored ? 0 : signal);
        EXPECT_EQ(ReadBytes(target) == OlderBytes, !ignored);
        EXPECT_EQ(LeftIn(home), std::vector<std::string>{target});
    }
}
