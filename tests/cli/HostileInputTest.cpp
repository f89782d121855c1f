#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <filesystem>
#include <fstream>

#include "CliRunner.h"

namespace {

// Runs tabulon-export with its data segment held to 400 MiB, so an input that
// made it keep what it reads would end it.
CliRun RunBounded(const QStringList& args, const TempDir& home) {
    QProcess process;
    process.setProcessEnvironment(ExportEnvironment(home, "tr_TR.UTF-8"));
    process.setChildProcessModifier([] {
        const rlimit limit{400u << 20, 400u << 20};
        setrlimit(RLIMIT_DATA, &limit);
    });
    process.start(TABULON_EXPORT_PROGRAM, args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void WriteSettings(const TempDir& home, const std::string& lines) {
    std::filesystem::create_directories(home.File("config/Vornak Software"));
    WriteBytes(home.File("config/Vornak Software/Tabulon.conf"), "[General]\n" + lines);
}

// Each hostile input ends at once with the status and the first line it
// should, whatever it is: nothing blocks, nothing grows, nothing loops on.
TEST(HostileInput, EachEndsPromptlyWithItsStatusAndMessage) {
    TempDir home;
    mkfifo(home.File("fifo").c_str(), 0600);
    std::filesystem::create_directory(home.File("klasör"));
    {
        // A gigabyte without a line end: "9" and then zero bytes, as a sparse file.
        std::ofstream endless(home.File("endless.txt"), std::ios::binary);
        endless << '9';
    }
    std::filesystem::resize_file(home.File("endless.txt"), 1u << 30);
    WriteBytes(home.File("rapor.txt"), ReadBytes(TABULON_TEST_DATA "/sample.txt"));
    const QString report = QString::fromStdString(home.File("rapor.txt"));
    const QString cannotOpen = QString::fromUtf8("Rapor dosyası açılamadı:\n");
    const struct {
        QStringList args;
        std::string settings;  // the stored page setup, empty for none
        int status;
        QString err;      // what standard error begins with
        const char* has;  // in standard output
    } cases[] = {
        {{"info", "/dev/zero"}, "", 2, cannotOpen + "/dev/zero\n", ""},
        {{"info", QString::fromStdString(home.File("fifo"))}, "", 2, cannotOpen, ""},
        {{"info", QString::fromStdString(home.File("klasör"))}, "", 2, cannotOpen, ""},
        {{"csv", "/dev/zero", QString::fromStdString(home.File("o.csv"))}, "", 2, cannotOpen, ""},
        {{"info", QString::fromStdString(home.File("endless.txt"))}, "", 0, "", "\"RowCount\": 1,"},
        {{"info", report, "--rows-per-page", "2147483647"},
         "",
         0,
         "--rows-per-page 2147483647",
         "\"RowsPerPage\": 100000,"},
        {{"info", report, "--rows-per-page", "-5"},
         "",
         0,
         "--rows-per-page -5",
         "\"RowsPerPage\": 1,"},
        {{"pdf", report, QString::fromStdString(home.File("o.pdf"))},
         "PageSizeY=2147483647\nFontSize=1\nPageOrient=1\n",
         0,
         "",
         ""},
        {{"info", report},
         "PageSizeX=-11906\nPageSizeY=-16838\nPageOrient=1\n",
         0,
         "",
         "\"PrintableWidth\": 1440,"},  // margins missing: 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        std::filesystem::remove(home.File("config/Vornak Software/Tabulon.conf"));
        if (!c.settings.empty()) WriteSettings(home, c.settings);
        const CliRun run = RunBounded(c.args, home);
        EXPECT_EQ(run.exitCode, c.status) << run.err.toStdString();
        EXPECT_TRUE(c.err.isEmpty() ? run.err.isEmpty() : run.err.startsWith(c.err))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(c.has))) << run.out.left(400).toStdString();
    }
}

// The working file is the user's alone while it has a name, and without
// --keep-row-store it never has one in the temporary folder.
TEST(HostileInput, TheWorkingFileIsPrivateAndNamedOnlyWhenKept) {
    for (bool keep : {false, true}) {
        TempDir home;
        QStringList args{"info", TestData("sample.txt")};
        if (keep) args << "--keep-row-store";
        const CliRun run = RunExport(args, home);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonValue stored = Json(run)["RowStore"];
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(home.Path()))
            if (entry.path().filename() != "config") names.push_back(entry.path().string());
        if (!keep) {
            EXPECT_TRUE(stored.isNull());
            EXPECT_TRUE(names.empty()) << names.front();
            continue;
        }
        ASSERT_EQ(names.size(), 1u);
        EXPECT_EQ(stored.toString().toStdString(), names[0]);
        struct stat info {};
        ASSERT_EQ(lstat(names[0].c_str(), &info), 0);
        EXPECT_TRUE(S_ISREG(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        EXPECT_EQ(info.st_size, 130 * 512);
    }
}

}  // namespace
