#include <gtest/gtest.h>
#include <signal.h>

#include "../../bench/ReportGenerator.h"
#include "CliRunner.h"
#include "PlantedTargets.h"

namespace {

// The PDF goes through the window's own PDF printer, whose saves the print
// tests plant the same way.
TEST(SavedOutput, ReplacesTheFileThePathLeadsToAndKeepsItsPermissions) {
    TableUmask umask;
    for (const auto& [command, start] :
         {std::pair{"csv", "100001,Fatma Demir,"}, std::pair{"png", "\x89PNG"}}) {
        for (const PlantedTarget& c : PlantedTargets()) {
            SCOPED_TRACE(std::string(command) + ", " + c.name);
            TempDir home, dir;
            if (!Plant(dir, c)) continue;
            const QString target = QString::fromStdString(dir.File("out/rapor"));
            QStringList args{command, TestData("sample.txt"), target};
            if (command == std::string("png"))
                args << "--page"
                     << "1";
            const ProgramRun run = RunExport(args, home);
            ExpectSaved(dir, c, run.exitCode == 0, start);
            if (run.exitCode != 0)
                EXPECT_TRUE(run.err.startsWith("Dosya kaydedilemedi:\n" + target + "\n"))
                    << run.err.toStdString();
        }
    }
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// Each writer under each signal; an ignored one (as under nohup) lets the
// export complete.
TEST(SavedOutput, ASignalDuringTheExportLeavesNoPartFileAndTheOlderFileAlone) {
    const struct {
        const char* command;
        int signal;
        bool ignored;
    } cases[] = {{"csv", SIGTERM, false},
                 {"xlsx", SIGINT, false},
                 {"pdf", SIGHUP, false},
                 {"txt", SIGHUP, true}};
    TempDir data;
    // Large enough that every export is still writing when the signal comes.
    WriteLargeReport(data.File("rapor.txt"), 300000);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + strsignal(c.signal));
        TempDir home;
        const std::string folder = home.File("out"), target = folder + "/rapor." + c.command;
        std::filesystem::create_directories(folder);
        WriteBytes(target, OlderBytes);
        QProcess program;
        program.setProcessEnvironment(ExportEnvironment(home, "tr_TR.UTF-8"));
        program.setChildProcessModifier([c] { ::signal(c.signal, c.ignored ? SIG_IGN : SIG_DFL); });
        program.start(TABULON_EXPORT_PROGRAM,
                      {c.command, QString::fromStdString(data.File("rapor.txt")),
                       QString::fromStdString(target)});
        // The signal comes once a part file shows in the folder.
        bool writing = false;
        while (!writing && program.state() != QProcess::NotRunning) {
            for (const std::string& name : FilesIn(folder))
                writing = writing || (name[0] == '.' && name.ends_with(".tmp"));
            program.waitForFinished(1);
        }
        ASSERT_TRUE(writing) << "the export ended before the signal; make the report larger";
        kill(static_cast<pid_t>(program.processId()), c.signal);
        ASSERT_TRUE(program.waitForFinished(120000));
        EXPECT_EQ(program.exitStatus(), c.ignored ? QProcess::NormalExit : QProcess::CrashExit);
        EXPECT_EQ(program.exitCode(), c.ignored ? 0 : c.signal);
        EXPECT_EQ(ReadBytes(target) == OlderBytes, !c.ignored);
        EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"rapor." + std::string(c.command)});
    }
}

}  // namespace
