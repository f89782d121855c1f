#include <gtest/gtest.h>
#include <signal.h>

#include "../../bench/ReportGenerator.h"
#include "CliRunner.h"
#include "PlantedTargets.h"

namespace {

bool IsPartFile(const std::string& name) {
    return name.size() > 4 && name[0] == '.' && name.ends_with(".tmp");
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(SavedOutput, ReplacesTheFileThePathLeadsToAndKeepsItsPermissions) {
    const struct {
        const char* command;
        std::string start;
    } outputs[] = {{"csv", "100001,Fatma Demir,"}, {"pdf", "%PDF-"}, {"png", "\x89PNG"}};
    TableUmask umask;
    for (const auto& output : outputs) {
        for (const PlantedTarget& c : PlantedTargets()) {
            SCOPED_TRACE(std::string(output.command) + ", " + c.name);
            TempDir home, dir;
            if (!Plant(dir, c)) continue;
            const QString target = QString::fromStdString(dir.File("out/rapor"));
            QStringList args{output.command, TestData("sample.txt"), target};
            if (output.command == std::string("png"))
                args << "--page"
                     << "1";
            const CliRun run = RunExport(args, home);
            ExpectSaved(dir, c, run.exitCode == 0, output.start);
            if (run.exitCode != 0) {
                EXPECT_TRUE(run.err.contains("Dosya kaydedilemedi:\n" + target + "\n"))
                    << run.err.toStdString();
            }
        }
    }
}

// Waits until a part file shows in the folder; false when the program ended first.
bool AwaitPartFile(QProcess& program, const std::string& folder) {
    while (program.state() != QProcess::NotRunning) {
        for (const std::string& name : FilesIn(folder))
            if (IsPartFile(name)) return true;
        program.waitForFinished(1);
    }
    return false;
}

TEST(SavedOutput, ASignalDuringTheExportLeavesNoPartFileAndTheOlderFileAlone) {
    const struct {
        const char* command;
        int signal;
        bool ignored;  // as under nohup: the export goes on and completes
    } cases[] = {
        {"csv", SIGTERM, false}, {"xlsx", SIGTERM, false}, {"pdf", SIGTERM, false},
        {"tsv", SIGINT, false},  {"txt", SIGHUP, false},   {"txt", SIGHUP, true},
    };
    TempDir data;
    // Large enough that every export is still writing when the signal comes.
    WriteLargeReport(data.File("rapor.txt"), 300000);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + strsignal(c.signal));
        TempDir home;
        const std::string folder = home.File("out");
        std::filesystem::create_directories(folder);
        const std::string target = folder + "/rapor." + c.command;
        WriteBytes(target, OlderBytes);

        QProcess program;
        program.setProcessEnvironment(ExportEnvironment(home, "tr_TR.UTF-8"));
        program.setChildProcessModifier([signal = c.signal, ignored = c.ignored] {
            ::signal(signal, ignored ? SIG_IGN : SIG_DFL);
        });
        program.start(TABULON_EXPORT_PROGRAM,
                      {c.command, QString::fromStdString(data.File("rapor.txt")),
                       QString::fromStdString(target)});
        ASSERT_TRUE(AwaitPartFile(program, folder))
            << "the export ended before the signal; make the report larger";
        kill(static_cast<pid_t>(program.processId()), c.signal);
        ASSERT_TRUE(program.waitForFinished(120000));

        if (c.ignored) {
            EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
            EXPECT_NE(ReadBytes(target), OlderBytes);
        } else {
            EXPECT_EQ(program.exitStatus(), QProcess::CrashExit);
            EXPECT_EQ(program.exitCode(), c.signal);
            EXPECT_EQ(ReadBytes(target), OlderBytes);
        }
        EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"rapor." + std::string(c.command)});
    }
}

}  // namespace
