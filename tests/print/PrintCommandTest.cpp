#include <gtest/gtest.h>

#include "PrivateCupsd.h"
#include "SampleSheets.h"
#include "ProgramRun.h"

using namespace Tabulon;

namespace {

const struct {
    const char* args;  // after "print", split at spaces
    int status;
    const char* printer;  // where the job went
    const char* sheets;
    const char* attribute;      // in the job's control file
    std::string said;           // how standard error began
    const char* settings = "";  // the stored page setup, none when empty
    const char* paper = "595 x 842 pts (A4)";
} runs[] = {
    {"SAMPLE", 0, "Depo", "123", "", ""},
    {"SAMPLE --printer Muhasebe_Lazer --pages 2-3 --copies 2 --sides two-long", 0, "Muhasebe_Lazer",
     "23", "two-sided-long-edge", ""},
    {"SAMPLE --odd --copies 3", 0, "Depo", "13", "separate-documents-collated", ""},
    {"SAMPLE --even --sides two-short", 0, "Depo", "2", "two-sided-short-edge", ""},
    // A fan-fold form in landscape goes out as itself, named to the spooler.
    {"SAMPLE --pages 1", 0, "Depo", "1", "Custom.15x11in", "",
     "[General]\nPageSizeX=21600\nPageSizeY=15840\nPageOrient=2\nSpaceX1=15\nSpaceX2=15\n"
     "SpaceY1=15\nSpaceY2=15\nFontName=Times New Roman\nFontSize=10\npTotals=True\n"
     "aTotals=True\npNumbers=True\n",
     "1080 x 792 pts"},
    {"SAMPLE --printer Yok", 4, "", "", "", "Yazdırılamadı: Yazıcı bulunamadı: Yok\n"},
    {"SAMPLE --pages 2-9", 5, "", "", "", "Yazdırılamadı: Seçilen sayfalar raporda"},
    {"SAMPLE --pages 3-2", 5, "", "", "", "Yazdırılamadı: Seçilen sayfalar raporda"},
    {"SAMPLE --copies 0", 64, "", "", "", "Yazdırılamadı: --copies 1 ile 999"},
    {"SAMPLE --sides both", 64, "", "", "", "Yazdırılamadı: --sides one,"},
    {"SAMPLE --odd --pages 1-2", 64, "", "", "", "Yazdırılamadı: --pages, --odd"},
    {"SAMPLE --printer Kapali", 6, "", "", "", "Yazdırılamadı: Kapali\n"},
};

// tabulon-export printers lists the queues of a spooler of the test's own,
// "Depo" the default. A print job there is the pages the window would print,
// sent once with the copies and sides asked for, on the stored paper, and the
// job's id is all that is said. Wrong arguments, an unknown printer, pages
// outside the report and a queue that refuses jobs say "Yazdırılamadı:" and
// send nothing; no run leaves a file in the temporary folder. Without a
// spooler there is no printer at all.
TEST(PrintCommand, SpoolsTheChosenPagesAsOneJob) {
    PrivateCupsd cupsd;
    ASSERT_TRUE(cupsd.Start()) << cupsd.Problem();
    ASSERT_TRUE(cupsd.AddQueue("Muhasebe_Lazer") && cupsd.AddQueue("Depo") &&
                cupsd.Admin({"-d", "Depo"}) && cupsd.AddQueue("Kapali") && cupsd.Reject("Kapali"))
        << cupsd.Problem();
    TempDir listed;
    const ProgramRun printers = RunExport({"printers"}, listed);
    EXPECT_EQ(printers.exitCode, 0);
    EXPECT_EQ(printers.out + printers.err, "Depo\tvarsayılan\nKapali\nMuhasebe_Lazer\n");
    for (const auto& run : runs) {
        SCOPED_TRACE(run.args);
        TempDir home;
        if (*run.settings) {
            std::filesystem::create_directories(home.File("config/Vornak Software"));
            WriteBytes(home.File("config/Vornak Software/Tabulon.conf"), run.settings);
        }
        const qsizetype before = cupsd.Spooled("d*").size();
        const ProgramRun done = RunExport(QString("print ").append(run.args).split(' '), home);
        EXPECT_EQ(done.exitCode, run.status);
        EXPECT_EQ(run.status ? done.err.substr(0, run.said.size()) : done.err, run.said);
        EXPECT_EQ(LeftIn(home).size(), 0u);
        const QStringList spooled = cupsd.Spooled("d*");
        ASSERT_EQ(spooled.size(), before + (run.status == 0));
        if (run.status) {
            EXPECT_EQ(done.out, "");
            continue;
        }
        EXPECT_EQ(done.out.rfind(std::string(run.printer) + "-", 0), 0u) << done.out;
        EXPECT_EQ(SheetsOf(spooled.back().toStdString()), run.sheets);
        EXPECT_NE(PdfInfo(spooled.back().toStdString()).find(run.paper), std::string::npos);
        const std::string control = ReadBytes(cupsd.Spooled("c*").back().toStdString());
        EXPECT_NE(control.find(run.attribute), std::string::npos);
        EXPECT_NE(control.find(run.printer), std::string::npos);
    }
    // With no spooler to ask there is no printer: print says so, printers lists none.
    QProcessEnvironment env = ExportEnvironment(listed, "tr_TR.UTF-8");
    env.insert("CUPS_SERVER", QString::fromStdString(listed.File("yok.sock")));
    const ProgramRun print =
        RunProgram(TABULON_EXPORT_PROGRAM, {"print", TABULON_TEST_DATA "/sample.txt"}, env);
    EXPECT_EQ(print.exitCode, 4);
    EXPECT_EQ(print.err, "Yazdırılamadı: Sistemde tanımlı yazıcı yok.\n");
    const ProgramRun none = RunProgram(TABULON_EXPORT_PROGRAM, {"printers"}, env);
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "");
}

}  // namespace
