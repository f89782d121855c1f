#include <QCheckBox>
#include <QComboBox>
#include <QProgressDialog>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>

#include "PrivateCupsd.h"
#include "ProgramRun.h"
#include "SampleSheets.h"
#include "platform/QtPrinterCatalog.h"
#include "print/FrmPrint.h"
#include "render/DrawnWidths.h"
#include "viewer/ViewerHarness.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

namespace {

// A real spooler of the test's own, whose queues the print dialog lists
// before the built-in PDF printer, the system's default preselected at the
// first job and the printer used last afterwards (a cancelled dialog keeps
// it). The sample is shown at 50 % on page 2; each job, from the keys, the
// toolbar or the menu, ends back on that page at 100 % and sends the chosen
// pages on portrait A4; odd pages ignore the range. Columns past the paper's
// edge ask first. The PDF printer asks for its file; cancelling that prints
// nothing, a file it cannot write is said, the progress bar drops a long job.
TEST(PrintThroughCups, TheChosenPagesReachTheChosenPrinter) {
    if (!PrivateCupsd::Installed()) GTEST_SKIP() << PrivateCupsd::NotInstalled;
    PrivateCupsd cupsd;
    ASSERT_TRUE(cupsd.Start()) << cupsd.Problem();
    ASSERT_TRUE(cupsd.AddRawQueue("Muhasebe_Lazer") && cupsd.AddRawQueue("Depo") &&
                cupsd.Admin({"-d", "Depo"}))
        << cupsd.Problem();
    QtPrinterCatalog system;
    ViewerHarness h;
    FrmTabul window(system, h.settings, ViewerHarness::FixedEnvironment());
    ASSERT_TRUE(window.Start(TABULON_TEST_DATA "/sample.txt"));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    WriteBytes(h.folder.File("uzun.txt"), SalesReport(20000));
    const std::string overflow =
        "Vornak Yazılım [question Yes No] Bazı sütunlar, sayfa dışına taşıyor. Bu sütunlar "
        "çıktıda görülmeyecektir.\nRaporu yine de yazdırmak istiyor musunuz?";
    const std::string unwritable =
        "Vornak Yazılım [critical] Rapor yazdırılamadı: PDF\nPDF "
        "dosyası oluşturulamadı: /proc/rapor.pdf\n";
    enum Start { CtrlP, Toolbar, Menu, MenuOnALongReport };
    const struct {
        Start start;
        const char* preselected;
        const char* printer;
        int option, from, to;  // all, a range, odd, even; -1 cancels the dialog
        bool wide;             // columns past the edge
        QMessageBox::StandardButton answer;
        const char* file;  // named in the save dialog; nullptr: none asked, "": cancelled
        const char* sheets;
        std::string said;  // how the message box began
    } jobs[] = {
        {CtrlP, "Depo", "Muhasebe_Lazer", 1, 2, 3, false, QMessageBox::No, nullptr, "23", ""},
        {Toolbar, "Muhasebe_Lazer", "PDF", 0, 1, 1, false, QMessageBox::No, "rapor", "123", ""},
        {Menu, "PDF", "PDF", 3, 1, 1, true, QMessageBox::Yes, "cift", "2", overflow},
        {Menu, "PDF", "PDF", 2, 2, 3, false, QMessageBox::Ok, "tek", "13", ""},
        {Menu, "PDF", "Depo", -1, 1, 1, false, QMessageBox::Ok, nullptr, "", ""},
        {Menu, "PDF", "PDF", 0, 1, 1, true, QMessageBox::No, nullptr, "", overflow},
        {Menu, "PDF", "PDF", 0, 1, 1, false, QMessageBox::Ok, "", "", ""},
        {Menu, "PDF", "PDF", 0, 1, 1, false, QMessageBox::Ok, "/proc/rapor", "", unwritable},
        {MenuOnALongReport, "PDF", "PDF", 0, 1, 1, false, QMessageBox::Ok, "uzun", "", ""}};
    QString note;
    for (const auto& job : jobs) {
        SCOPED_TRACE(testing::Message() << job.printer << " " << job.option << " " << job.said);
        if (job.start == MenuOnALongReport) {
            ASSERT_TRUE(window.OpenReport(h.folder.File("uzun.txt")));
        }
        window.Zoom().Zoom50();
        window.ShowFirstPage();
        window.ShowNextPage();
        ReportLayout::WidthTable& widths = window.Pages().layout.ColumnWidths;
        const ReportLayout::WidthTable measured = widths;
        if (job.wide) widths[2] = widths[3] = 50;
        QString listed, preselected;
        OnModal<FrmPrint> choose([&](FrmPrint* dialog) {
            const FrmPrintControls& c = dialog->Controls();
            for (int i = 0; i < c.Combo1->count(); ++i) listed += c.Combo1->itemText(i) + ",";
            preselected = c.Combo1->currentText();
            c.Combo1->setCurrentIndex(c.Combo1->findText(job.printer));
            if (job.option >= 0) QTest::mouseClick(c.Option1[job.option], Qt::LeftButton);
            c.VScroll1[0]->setValue(job.from);
            c.VScroll1[1]->setValue(job.to);
            QTest::mouseClick(job.option < 0 ? c.Command2 : c.Command1, Qt::LeftButton);
        });
        const std::string name = job.file ? job.file : "";
        FileChoice save(h.folder.Path().string(), QString::fromStdString(name));
        OnModal<QProgressDialog> stop([](QProgressDialog* progress) {
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        });
        MessageBoxCatcher boxes(job.answer);
        const qsizetype spooled = cupsd.SpooledDocuments().size();
        if (job.start == CtrlP)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        if (job.start == Toolbar) window.Toolbar().Button(1)->click();
        if (job.start >= Menu) window.Menu().DOS_05->trigger();
        EXPECT_TRUE(choose.Fired());
        EXPECT_EQ(listed, "Depo,Muhasebe_Lazer,PDF,");
        EXPECT_EQ(preselected, job.preselected);
        EXPECT_EQ(boxes.shown.empty() ? "" : boxes.shown[0].substr(0, job.said.size()), job.said);
        EXPECT_EQ(save.asked, job.file ? "Farklı Kaydet|PDF Dosyaları (*.pdf)|rapor.pdf" : "");
        EXPECT_EQ(stop.Fired(), job.start == MenuOnALongReport);
        EXPECT_EQ(window.CurrentPage(), 2);
        EXPECT_EQ(window.ZoomFactor(), 1.0f);
        EXPECT_TRUE(window.Menu().GOR_01_01->isChecked());
        // The sheets saved to the PDF file, else those spooled by this job.
        const std::string pdf = h.folder.File(name + ".pdf");
        const bool saved = job.file && std::filesystem::exists(pdf);
        if (saved) note = QString::fromStdString("Kaydedildi: " + pdf);
        const QStringList spool = cupsd.SpooledDocuments();
        const std::string sent = saved                    ? pdf
                                 : spool.size() > spooled ? spool.back().toStdString()
                                                          : "";
        EXPECT_EQ(sent.empty() ? "" : SheetsOf(sent), job.sheets);
        EXPECT_TRUE(sent.empty() || PdfInfo(sent).find("595 x 842 pts (A4)") != std::string::npos);
        EXPECT_EQ(window.Status().NoteText(), note);
        if (*job.sheets) {
            EXPECT_EQ(window.CurrentPrinter(), job.printer);
        }
        widths = measured;
    }
    // Only the three PDFs saved and the long report are left.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(h.folder.Path()), {}), 4);
}

// The job's integer attribute of this name in a control file, as the spooler
// keeps it (tag, name, length 4, the number big-endian); -1 when missing.
int JobInteger(const QString& control, const std::string& name) {
    const std::string bytes = ReadBytes(control.toStdString());
    const std::string key =
        std::string(1, '\0') + static_cast<char>(name.size()) + name + '\0' + '\4';
    const size_t at = bytes.find(key);
    if (at == std::string::npos || at + key.size() + 4 > bytes.size()) return -1;
    int value = 0;
    for (size_t i = at + key.size(); i < at + key.size() + 4; ++i)
        value = value * 256 + static_cast<unsigned char>(bytes[i]);
    return value;
}

// Copies and reverse order chosen in the dialog reach the spooler's job: the
// sheets last page first, the copies as the job's own. The choices are kept
// for that printer and shown again at the next job; another printer keeps
// its own. The PDF printer writes one copy, in the order chosen.
TEST(PrintThroughCups, CopiesAndOrderReachTheJobAndAreRememberedPerPrinter) {
    if (!PrivateCupsd::Installed()) GTEST_SKIP() << PrivateCupsd::NotInstalled;
    PrivateCupsd cupsd;
    ASSERT_TRUE(cupsd.Start() && cupsd.AddRawQueue("Muhasebe_Lazer") && cupsd.AddRawQueue("Depo"))
        << cupsd.Problem();
    // The spooler's queues by name, as the system's catalog lists them.
    ViewerHarness h;
    h.printers = FixedPrinterCatalog({"Depo", "Muhasebe_Lazer", "PDF"}, "Depo");
    ASSERT_TRUE(h.OpenPath(TABULON_TEST_DATA "/sample.txt"));
    FrmTabul& window = h.W();
    window.show();
    const struct {
        const char* printer;
        int typedCopies;  // 0: as shown
        bool clickReverse;
        int shownCopies;
        bool shownReverse;
        const char* sheets;
        int copies;  // the job's; -1 for the PDF file
    } jobs[] = {
        {"Muhasebe_Lazer", 2, true, 1, false, "321", 2},
        {"Depo", 0, false, 1, false, "123", 1},
        {"Muhasebe_Lazer", 0, false, 2, true, "321", 2},
        {"PDF", 0, true, 1, false, "321", -1},
    };
    for (const auto& job : jobs) {
        SCOPED_TRACE(job.printer);
        int shownCopies = 0;
        bool shownReverse = false;
        OnModal<FrmPrint> choose([&](FrmPrint* dialog) {
            const FrmPrintControls& c = dialog->Controls();
            c.Combo1->setCurrentIndex(c.Combo1->findText(job.printer));
            shownCopies = c.Copies->value();
            shownReverse = c.Reverse->isChecked();
            if (job.typedCopies) {
                c.Copies->setFocus();
                c.Copies->selectAll();
                QTest::keyClicks(c.Copies, QString::number(job.typedCopies));
            }
            if (job.clickReverse) QTest::mouseClick(c.Reverse, Qt::LeftButton);
            QTest::mouseClick(c.Command1, Qt::LeftButton);
        });
        FileChoice save(h.folder.Path().string(), QStringLiteral("ters"));
        const qsizetype spooled = cupsd.SpooledDocuments().size();
        window.Menu().DOS_05->trigger();
        EXPECT_TRUE(choose.Fired());
        EXPECT_EQ(shownCopies, job.shownCopies);
        EXPECT_EQ(shownReverse, job.shownReverse);
        if (job.copies < 0) {
            EXPECT_EQ(SheetsOf(h.folder.File("ters.pdf")), job.sheets);
            continue;
        }
        const QStringList documents = cupsd.SpooledDocuments();
        ASSERT_EQ(documents.size(), spooled + 1);
        EXPECT_EQ(SheetsOf(documents.back().toStdString()), job.sheets);
        EXPECT_EQ(std::max(JobInteger(cupsd.SpooledControls().back(), "copies"), 1), job.copies);
    }
}

// A report wider than the paper asks before it is cut at the right margin;
// with "Sığdır" on it is shrunk onto the sheet, every column on it, and asks
// nothing.
TEST(PrintThroughCups, FitToPaperPrintsEveryColumnWithoutAsking) {
    ViewerHarness h;
    ASSERT_TRUE(h.OpenPath(TABULON_TEST_DATA "/wide.txt"));
    h.Show();
    for (const bool fit : {false, true}) {
        SCOPED_TRACE(fit);
        h.W().EditableSetup().FitToPaper = fit;
        OnModal<FrmPrint> choose([](FrmPrint* dialog) {
            const FrmPrintControls& c = dialog->Controls();
            c.Combo1->setCurrentIndex(c.Combo1->findText("PDF"));
            QTest::mouseClick(c.Command1, Qt::LeftButton);
        });
        const QString name = fit ? QStringLiteral("sigdir") : QStringLiteral("kesik");
        FileChoice save(h.folder.Path().string(), name);
        MessageBoxCatcher boxes(QMessageBox::Yes);
        h.W().Menu().DOS_05->trigger();
        EXPECT_EQ(boxes.shown.size(), fit ? 0u : 1u);
        const std::vector<std::string> pages = PdfPages(h.folder.File(name.toStdString() + ".pdf"));
        ASSERT_EQ(pages.size(), 2u);
        EXPECT_EQ(pages[0].find("SON-001") != std::string::npos, fit);
        EXPECT_EQ(pages[1].find("Son Sütun") != std::string::npos, fit);
    }
}

// Two sides are offered where the printer's driver says it prints them, and
// the side chosen in the dialog is the spooler's job's.
TEST(PrintThroughCups, TwoSidesReachAPrinterThatPrintsThem) {
    if (!PrivateCupsd::Installed()) GTEST_SKIP() << PrivateCupsd::NotInstalled;
    PrivateCupsd cupsd;
    ASSERT_TRUE(cupsd.Start() && cupsd.AddRawQueue("Depo") && cupsd.AddTwoSidedQueue("Dupleks"))
        << cupsd.Problem();
    const QtPrinterCatalog system;
    EXPECT_TRUE(system.PrintsTwoSided("Dupleks"));
    EXPECT_FALSE(system.PrintsTwoSided("Depo"));
    EXPECT_FALSE(system.PrintsTwoSided("PDF"));

    ViewerHarness h;
    h.printers = FixedPrinterCatalog({"Depo", "Dupleks", "PDF"}, "Dupleks");
    h.printers.twoSided = {"Dupleks"};
    ASSERT_TRUE(h.OpenPath(TABULON_TEST_DATA "/sample.txt"));
    h.W().show();
    for (const auto& [side, attribute] :
         {std::pair{2, "two-sided-short-edge"}, {1, "two-sided-long-edge"}, {0, "one-sided"}}) {
        OnModal<FrmPrint> choose([side = side](FrmPrint* dialog) {
            const FrmPrintControls& c = dialog->Controls();
            c.Sides->setCurrentIndex(side);
            QTest::mouseClick(c.Command1, Qt::LeftButton);
        });
        h.W().Menu().DOS_05->trigger();
        ASSERT_TRUE(choose.Fired());
        const std::string control = ReadBytes(cupsd.SpooledControls().back().toStdString());
        EXPECT_NE(control.find(attribute), std::string::npos) << attribute;
    }
}

}  // namespace
