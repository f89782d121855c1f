#include <QCheckBox>
#include <QComboBox>
#include <QProgressDialog>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <sstream>

#include "PrivateCupsd.h"
#include "ProgramRun.h"
#include "platform/QtPrinterCatalog.h"
#include "print/FrmPrint.h"
#include "viewer/ViewerHarness.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

namespace {

// The page number of each sheet of a PDF of the sample report, "?" for a
// sheet without the sample's title.
std::string SheetsOf(const std::string& pdf) {
    std::string sheets;
    for (const std::string& text : PdfPages(pdf)) {
        const size_t at = text.find("Sayfa:");
        const bool titled = text.find("AYLIK SATIŞ RAPORU") != std::string::npos;
        sheets += at != std::string::npos && titled ? text.substr(at + 6, 1) : "?";
    }
    return sheets;
}

enum Start { CtrlP, Toolbar, Menu, LongReport };
enum Columns { Fit, CutAnswerNo, CutAnswerYes, Shrunk };
const std::string Overflow =
    "Vornak Yazılım [question Yes No] Bazı sütunlar, sayfa dışına taşıyor. Bu sütunlar "
    "çıktıda görülmeyecektir.\nRaporu yine de yazdırmak istiyor musunuz?";
const std::string Unwritable =
    "Vornak Yazılım [critical] Rapor yazdırılamadı: PDF\nPDF "
    "dosyası oluşturulamadı: /proc/rapor.pdf\n";

struct Job {
    Start start;
    const char* preselected;
    const char* printer;
    int option, from, to;  // all, a range, odd, even; -1 cancels the dialog
    Columns columns;
    const char* file;   // named in the save dialog; nullptr: none asked, "": cancelled
    const char* shown;  // the job controls as the dialog opened
    const char* set;    // the same as left for the job; "": as shown
    const char* sheets;
    std::string said;  // how the message box began
};

const Job Jobs[] = {
    {CtrlP, "Depo", "Lazer", 1, 2, 3, Fit, nullptr, "1 1- 0 0", "2 0 2 1", "32", ""},
    {Toolbar, "Lazer", "PDF", 0, 1, 1, Fit, "rapor", "1- 1- 0- 0", "1 1 0 1", "321", ""},
    {Menu, "PDF", "PDF", 3, 1, 1, CutAnswerYes, "cift", "1- 1- 0- 1", "1 1 0 0", "2", Overflow},
    {Menu, "PDF", "PDF", 0, 1, 1, Shrunk, "sigdir", "1- 1- 0- 0", "", "123", ""},
    {Menu, "PDF", "Depo", -1, 1, 1, Fit, nullptr, "1 1- 0- 0", "", "", ""},
    {Menu, "PDF", "Lazer", 0, 1, 1, Fit, nullptr, "2 0 2 1", "2 1 1 1", "321", ""},
    {Menu, "Lazer", "PDF", 0, 1, 1, CutAnswerNo, nullptr, "1- 1- 0- 0", "", "", Overflow},
    {Menu, "Lazer", "PDF", 0, 1, 1, Fit, "", "1- 1- 0- 0", "", "", ""},
    {Menu, "Lazer", "PDF", 0, 1, 1, Fit, "/proc/rapor", "1- 1- 0- 0", "", "", Unwritable},
    {LongReport, "PDF", "PDF", 0, 1, 1, Fit, "uzun", "1- 1- 0- 0", "", "", ""}};

// Picks the job's printer, pages and controls in the print dialog and
// confirms, or cancels; notes the printer it opened with, then the job
// controls as "copies collate side reverse", "-" after a disabled one.
void Choose(FrmPrint* dialog, const Job& job, std::string& opened) {
    const FrmPrintControls& c = dialog->Controls();
    opened = c.Combo1->currentText().toStdString();
    c.Combo1->setCurrentIndex(c.Combo1->findText(job.printer));
    const auto shown = [](const QWidget* control, int value) {
        return " " + std::to_string(value) + (control->isEnabled() ? "" : "-");
    };
    opened += shown(c.Copies, c.Copies->value()) + shown(c.Collate, c.Collate->isChecked()) +
              shown(c.Sides, c.Sides->currentIndex()) + shown(c.Reverse, c.Reverse->isChecked());
    int copies = 0, collate = 0, side = 0, reverse = 0;
    if (std::istringstream(job.set) >> copies >> collate >> side >> reverse) {
        c.Copies->setFocus();
        c.Copies->selectAll();
        QTest::keyClicks(c.Copies, QString::number(copies));
        if (c.Collate->isChecked() != (collate == 1)) QTest::mouseClick(c.Collate, Qt::LeftButton);
        if (c.Reverse->isChecked() != (reverse == 1)) QTest::mouseClick(c.Reverse, Qt::LeftButton);
        c.Sides->setCurrentIndex(side);
    }
    if (job.option >= 0) QTest::mouseClick(c.Option1[job.option], Qt::LeftButton);
    c.VScroll1[0]->setValue(job.from);
    c.VScroll1[1]->setValue(job.to);
    QTest::mouseClick(job.option < 0 ? c.Command2 : c.Command1, Qt::LeftButton);
}

// The last job's control file holds the controls left in the dialog, when
// any were.
void ExpectControls(const PrivateCupsd& cupsd, const char* set) {
    int copies = 0, collate = 0, side = 0;
    if (!(std::istringstream(set) >> copies >> collate >> side)) return;
    const std::string control = ReadBytes(cupsd.Spooled("c*").back().toStdString());
    const char* sides[] = {"one-sided", "two-sided-long-edge", "two-sided-short-edge"};
    // An integer attribute: its name, then length 4 and the number big-endian.
    EXPECT_NE(control.find(std::string("copies\0\4\0\0\0", 11) + char(copies)), std::string::npos);
    EXPECT_NE(control.find(sides[side]), std::string::npos);
    EXPECT_EQ(control.find("Collate") != std::string::npos, collate == 1);
}

void StartJob(FrmTabul& window, Start start) {
    if (start == CtrlP)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    if (start == Toolbar) window.Toolbar().Button(1)->click();
    if (start >= Menu) window.Menu().DOS_05->trigger();
}

// The spooler's queues are listed in the print dialog beside the built-in PDF
// printer, the system's default preselected at the first job and the printer
// used last afterwards (a cancelled dialog keeps it). The sample is shown at
// 50 % on page 2; each job, from the keys, the toolbar or the menu, ends back on
// that page at 100 % and sends the chosen pages; odd or even pages ignore the
// range. Copies (typed, not yet taken by their box), collation (for more than
// one copy), two sides (where the driver prints them) and reverse order reach
// the job and are shown again at that printer's next job. Columns past the
// paper's edge ask first, unless "Sığdır" shrinks them onto it. The PDF printer
// asks for its file; cancelling that prints nothing, a file it cannot write is
// said, the progress bar drops a long job.
void PrintFromTheWindow(const PrivateCupsd& cupsd) {
    QtPrinterCatalog system;
    ViewerHarness h;
    FrmTabul window(system, h.settings, ViewerHarness::FixedEnvironment());
    ASSERT_TRUE(window.Start(TABULON_TEST_DATA "/sample.txt"));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    WriteBytes(h.folder.File("uzun.txt"), SalesReport(20000));
    QString note;
    for (const Job& job : Jobs) {
        SCOPED_TRACE(testing::Message() << job.printer << " " << job.option << " " << job.said);
        ASSERT_TRUE(job.start != LongReport || window.OpenReport(h.folder.File("uzun.txt")));
        window.Zoom().Zoom50();
        window.ShowFirstPage();
        window.ShowNextPage();
        ReportLayout::WidthTable& widths = window.Pages().layout.ColumnWidths;
        const ReportLayout::WidthTable measured = widths;
        if (job.columns != Fit) widths[2] = widths[3] = 50;
        window.EditableSetup().FitToPaper = job.columns == Shrunk;
        std::string opened;
        OnModal<FrmPrint> choose([&](FrmPrint* dialog) { Choose(dialog, job, opened); });
        const std::string name = job.file ? job.file : "";
        FileChoice save(h.folder.Path().string(), QString::fromStdString(name));
        OnModal<QProgressDialog> stop([](QProgressDialog* progress) {
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        });
        MessageBoxCatcher boxes(job.columns == CutAnswerYes ? QMessageBox::Yes : QMessageBox::No);
        const qsizetype spooled = cupsd.Spooled("d*").size();
        StartJob(window, job.start);
        EXPECT_EQ(opened, job.preselected + std::string(" ") + job.shown);
        EXPECT_EQ(boxes.shown.empty() ? "" : boxes.shown[0].substr(0, job.said.size()), job.said);
        EXPECT_EQ(save.asked, job.file ? "Farklı Kaydet|PDF Dosyaları (*.pdf)|rapor.pdf" : "");
        EXPECT_EQ(stop.Fired(), job.start == LongReport);
        EXPECT_EQ(window.CurrentPage(), 2);
        EXPECT_EQ(window.ZoomFactor(), 1.0f);
        // The sheets saved to the PDF file, else those spooled by this job,
        // each with the last column unless it was cut off.
        const std::string pdf = h.folder.File(name + ".pdf");
        const bool saved = job.file && std::filesystem::exists(pdf);
        if (saved) note = QString::fromStdString("Kaydedildi: " + pdf);
        const QStringList spool = cupsd.Spooled("d*");
        const std::string sent = saved                    ? pdf
                                 : spool.size() > spooled ? spool.back().toStdString()
                                                          : "";
        EXPECT_EQ(sent.empty() ? "" : SheetsOf(sent), job.sheets);
        EXPECT_TRUE(sent.empty() || (PdfPages(sent)[0].find("Tutar") != std::string::npos) ==
                                        (job.columns != CutAnswerYes));
        if (!saved && !sent.empty()) ExpectControls(cupsd, job.set);
        EXPECT_EQ(window.Status().NoteText(), note);
        if (*job.sheets) {
            EXPECT_EQ(window.CurrentPrinter(), job.printer);
        }
        widths = measured;
    }
    // Only the three PDFs saved and the long report are left.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(h.folder.Path()), {}), 4);
}

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
    {"SAMPLE --printer Lazer --pages 2-3 --copies 2 --sides two-long", 0, "Lazer", "23",
     "two-sided-long-edge", ""},
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

// tabulon-export printers lists the spooler's queues, "Depo" the default. A
// print job there is the pages the window would print, sent once with the
// copies and sides asked for, on the stored paper, and the job's id is all that
// is said. Wrong arguments, an unknown printer, pages outside the report and a
// queue that refuses jobs say "Yazdırılamadı:" and send nothing; no run leaves
// a file in the temporary folder.
void PrintFromTheCommandLine(const PrivateCupsd& cupsd) {
    TempDir listed;
    const ProgramRun printers = RunExport({"printers"}, listed);
    EXPECT_EQ(printers.exitCode, 0);
    EXPECT_EQ(printers.out + printers.err, "Depo\tvarsayılan\nKapali\nLazer\n");
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
        EXPECT_NE(RunProgram("pdfinfo", {spooled.back()}).out.find(run.paper), std::string::npos);
        const std::string control = ReadBytes(cupsd.Spooled("c*").back().toStdString());
        EXPECT_NE(control.find(run.attribute), std::string::npos);
        EXPECT_NE(control.find(run.printer), std::string::npos);
    }
}

// A spooler of the test's own, started once for both ways to print: a
// two-sided "Lazer", the default "Depo" and "Kapali", which refuses jobs.
TEST(PrintThroughCups, TheChosenPagesReachTheChosenPrinter) {
    PrivateCupsd cupsd;
    ASSERT_TRUE(cupsd.Start()) << cupsd.Problem();
    ASSERT_TRUE(cupsd.AddQueue("Lazer", true) && cupsd.AddQueue("Depo") &&
                cupsd.Admin({"-d", "Depo"}) && cupsd.AddQueue("Kapali") && cupsd.Reject("Kapali"))
        << cupsd.Problem();
    PrintFromTheWindow(cupsd);
    PrintFromTheCommandLine(cupsd);
}

}  // namespace
