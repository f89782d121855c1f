#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "ModalDriver.h"
#include "PdfTools.h"
#include "print/FrmPrint.h"
#include "viewer/CommandButtons.h"
#include "viewer/MainMenu.h"
#include "viewer/ViewerHarness.h"

namespace {

// The whole road from the main window: the sample report open at 50 % on page
// 2, the print command from the toolbar or the menu, odd pages on the built-in
// PDF printer, the file named in the save dialog.
TEST(PrintFromWindow, TheSampleReportsOddPagesReachTheChosenPdfFile) {
    const std::vector<std::pair<const char*, std::function<void(FrmTabul&)>>> commands{
        {"toolbar", [](FrmTabul& w) { w.Toolbar().Button(1)->click(); }},
        {"menu", [](FrmTabul& w) { w.Menu().DOS_05->trigger(); }},
    };
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        ViewerHarness harness;
        ASSERT_TRUE(harness.OpenPath(TABULON_TEST_DATA "/sample.txt"));
        harness.Show();
        FrmTabul& window = *harness.window;
        ASSERT_EQ(harness.model.PageCount, 3);
        window.GOR_01_03_Click();
        window.NextPage();
        ASSERT_EQ(harness.model.CurrentPage, 2);

        const std::string file = harness.folder.File("tek-sayfalar.pdf");
        WhenModalOpens<FrmPrint>([](FrmPrint* dialog) {
            const FrmPrintControls& c = dialog->Controls();
            QTest::mouseClick(c.Option1[2], Qt::LeftButton);
            c.Combo1->setCurrentIndex(c.Combo1->findText(QStringLiteral("PDF")));
            QTest::mouseClick(c.Command1, Qt::LeftButton);
        });
        QString title, filter;
        WhenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filter = dialog->nameFilters().join(QStringLiteral(";;"));
            dialog->selectFile(QString::fromStdString(file));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        command(window);

        EXPECT_EQ(title, QString::fromUtf8("Farklı Kaydet"));
        EXPECT_EQ(filter, QString::fromUtf8("PDF Dosyaları (*.pdf)"));
        ASSERT_EQ(PdfPageCount(file), 2) << PdfInfo(file);
        EXPECT_NE(PdfText(file, 1).find("Sayfa:1/3"), std::string::npos);
        EXPECT_NE(PdfText(file, 2).find("Sayfa:3/3"), std::string::npos);
        EXPECT_NE(PdfText(file, 1).find("AYLIK SATIŞ RAPORU"), std::string::npos);
        // Back on the page shown before, at 100 %.
        EXPECT_EQ(harness.model.CurrentPage, 2);
        EXPECT_EQ(window.View().ZoomFactor, 1.0f);
        EXPECT_TRUE(window.Menu().GOR_01_01->isChecked());
        EXPECT_EQ(window.CurrentPrinter(), "PDF");
    }
}

}  // namespace
