#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <filesystem>

#include "GuiDriver.h"
#include "PrivateCupsd.h"
#include "ProgramRun.h"
#include "platform/QtPrinterCatalog.h"
#include "print/FrmPrint.h"
#include "viewer/MainMenu.h"
#include "viewer/ViewerHarness.h"

namespace {

// The page numbers a PDF shows, one "Sayfa:N/3" per sheet, under the sample's title.
std::string SheetsOf(const std::string& pdf) {
    std::string sheets;
    for (int sheet = 1; sheet <= PdfPageCount(pdf); ++sheet) {
        const std::string text = PdfText(pdf, sheet);
        const size_t at = text.find("Sayfa:");
        if (at != std::string::npos && text.find("AYLIK SATIŞ RAPORU") != std::string::npos)
            sheets += text.substr(at + 6, 1);
    }
    return sheets;
}

// A real spooler of the test's own, whose queues the print dialog lists
// before the built-in PDF printer, the system's default preselected at the
// first job and the printer used last afterwards. The sample report shown at
// 50 % on page 2; each job, from the keys, the toolbar or the menu, ends back
// on that page at 100 %. Columns past the paper's edge ask first.
TEST(PrintThroughCups, TheChosenPagesReachTheChosenPrinter) {
    PrivateCupsd cupsd;
    ASSERT_TRUE(cupsd.Start()) << cupsd.Problem();
    ASSERT_TRUE(cupsd.AddRawQueue("Muhasebe_Lazer") && cupsd.AddRawQueue("Depo") &&
                cupsd.SetDefault("Depo"))
        << cupsd.Problem();
    QtPrinterCatalog system;
    ViewerHarness h;
    FrmTabul window(system, h.settings, ViewerHarness::FixedEnvironment());
    ASSERT_TRUE(window.Start(TABULON_TEST_DATA "/sample.txt"));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QString overflow = QString::fromUtf8(
        "Bazı sütunlar, sayfa dışına taşıyor. Bu sütunlar çıktıda görülmeyecektir.\nRaporu "
        "yine de yazdırmak istiyor musunuz?");
    enum Start { CtrlP, Toolbar, Menu };
    const struct {
        Start start;
        const char* preselected;
        const char* printer;
        int option, from, to;  // all, a range, odd, even
        const char* answer;    // to the overflow question, empty when none comes
        const char* file;      // the PDF named in the save dialog
        const char* sheets;    // the pages that arrive, in order
    } jobs[] = {
        {CtrlP, "Depo", "Muhasebe_Lazer", 1, 2, 3, "", "", "23"},
        {Toolbar, "Muhasebe_Lazer", "PDF", 0, 1, 1, "", "rapor", "123"},
        {Menu, "PDF", "PDF", 3, 1, 1, "Yes", "cift", "2"},
        {Menu, "PDF", "PDF", 0, 1, 1, "No", "", ""},
    };
    for (const auto& job : jobs) {
        SCOPED_TRACE(testing::Message() << job.printer << " " << job.option << " " << job.answer);
        window.Zoom().Zoom50();
        window.ShowFirstPage();
        window.ShowNextPage();
        // Two very wide columns push the last ones past the right margin.
        if (*job.answer) window.Pages().widths[2] = window.Pages().widths[3] = 50;
        QString listed, preselected, asked, saveTitle;
        OnModal<FrmPrint> choose([&](FrmPrint* dialog) {
            const FrmPrintControls& c = dialog->Controls();
            for (int i = 0; i < c.Combo1->count(); ++i) listed += c.Combo1->itemText(i) + ",";
            preselected = c.Combo1->currentText();
            c.Combo1->setCurrentIndex(c.Combo1->findText(job.printer));
            QTest::mouseClick(c.Option1[job.option], Qt::LeftButton);
            c.VScroll1[0]->setValue(job.from);
            c.VScroll1[1]->setValue(job.to);
            QTest::mouseClick(c.Command1, Qt::LeftButton);
        });
        OnModal<QMessageBox> question([&](QMessageBox* box) {
            asked = box->text();
            box->button(*job.answer == 'Y' ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        SaveAs save(QString::fromStdString(h.folder.Path().string()), job.file);
        const QStringList spooled = cupsd.SpooledDocuments();
        if (job.start == CtrlP)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        else if (job.start == Toolbar)
            window.Toolbar().Button(1)->click();
        else
            window.Menu().DOS_05->trigger();
        EXPECT_TRUE(choose.Fired());
        EXPECT_EQ(listed, QStringLiteral("Depo,Muhasebe_Lazer,PDF,"));
        EXPECT_EQ(preselected, QString::fromLatin1(job.preselected));
        EXPECT_EQ(asked, *job.answer ? overflow : QString());
        EXPECT_EQ(save.title + "|" + save.filters,
                  *job.file ? QString::fromUtf8("Farklı Kaydet|PDF Dosyaları (*.pdf)") : "|");
        EXPECT_EQ(window.CurrentPage(), 2);
        EXPECT_EQ(window.ZoomFactor(), 1.0f);
        EXPECT_TRUE(window.Menu().GOR_01_01->isChecked());
        std::string arrived;
        if (*job.file) {
            arrived = SheetsOf(h.folder.File(job.file + std::string(".pdf")));
        } else if (cupsd.SpooledDocuments().size() > spooled.size()) {
            const std::string document = cupsd.SpooledDocuments().back().toStdString();
            EXPECT_NE(PdfInfo(document).find("(A4)"), std::string::npos) << PdfInfo(document);
            arrived = SheetsOf(document);
        }
        EXPECT_EQ(arrived, job.sheets);
        if (!*job.answer) EXPECT_EQ(window.CurrentPrinter(), job.printer);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(h.folder.Path()), {}), 2);
}

}  // namespace
