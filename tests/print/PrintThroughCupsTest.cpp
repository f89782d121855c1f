#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "ModalDriver.h"
#include "PdfTools.h"
#include "PrivateCupsd.h"
#include "platform/QtPrinterCatalog.h"
#include "print/FrmPrint.h"
#include "viewer/MainMenu.h"
#include "viewer/ViewerHarness.h"

namespace {

// A real spooler of the test's own: its queues appear in the print dialog, the
// job goes to the chosen queue and arrives there as a PDF of the chosen pages.
TEST(PrintThroughCups, TheChosenPagesReachTheChosenQueue) {
    PrivateCupsd cupsd;
    ASSERT_TRUE(cupsd.Start()) << cupsd.Problem();
    ASSERT_TRUE(cupsd.AddRawQueue("Muhasebe_Lazer") && cupsd.AddRawQueue("Depo") &&
                cupsd.SetDefault("Depo"))
        << cupsd.Problem();

    // The main window over the system's printers, that is this spooler's.
    QtPrinterCatalog system;
    ViewerHarness harness;
    FrmTabul window(system, harness.settings, ViewerHarness::FixedEnvironment());
    ASSERT_TRUE(window.Start(TABULON_TEST_DATA "/sample.txt"));
    window.show();
    ASSERT_EQ(window.PageCount(), 3);
    window.ShowLastPage();

    QStringList listed;
    QString preselected;
    WhenModalOpens<FrmPrint>([&](FrmPrint* dialog) {
        const FrmPrintControls& c = dialog->Controls();
        for (int i = 0; i < c.Combo1->count(); ++i) listed << c.Combo1->itemText(i);
        preselected = c.Combo1->currentText();
        c.Combo1->setCurrentIndex(c.Combo1->findText(QStringLiteral("Muhasebe_Lazer")));
        QTest::mouseClick(c.Option1[1], Qt::LeftButton);
        c.VScroll1[0]->setValue(2);
        c.VScroll1[1]->setValue(3);
        QTest::mouseClick(c.Command1, Qt::LeftButton);
    });
    window.Menu().DOS_05->trigger();

    EXPECT_EQ(listed.join(","), QStringLiteral("Depo,Muhasebe_Lazer,PDF"));
    EXPECT_EQ(preselected, QStringLiteral("Depo"));  // the system's default at the first job
    EXPECT_EQ(window.CurrentPage(), 3);
    EXPECT_EQ(window.CurrentPrinter(), "Muhasebe_Lazer");

    const QStringList documents = cupsd.SpooledDocuments();
    ASSERT_EQ(documents.size(), 1);
    const std::string document = documents[0].toStdString();
    ASSERT_EQ(PdfPageCount(document), 2) << PdfInfo(document);
    EXPECT_NE(PdfText(document, 1).find("Sayfa:2/3"), std::string::npos);
    EXPECT_NE(PdfText(document, 2).find("Sayfa:3/3"), std::string::npos);
    EXPECT_NE(PdfInfo(document).find("(A4)"), std::string::npos) << PdfInfo(document);
}

}  // namespace
