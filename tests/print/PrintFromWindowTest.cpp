#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "ModalDriver.h"
#include "PdfTools.h"
#include "print/FrmPrint.h"
#include "viewer/CommandButtons.h"
#include "viewer/MainMenu.h"
#include "viewer/ViewerHarness.h"

namespace {

// Answers the print dialog with the option, the range and the built-in PDF printer.
void ChoosePages(int option, int from = 1, int to = 1) {
    WhenModalOpens<FrmPrint>([=](FrmPrint* dialog) {
        const FrmPrintControls& c = dialog->Controls();
        QTest::mouseClick(c.Option1[option], Qt::LeftButton);
        c.VScroll1[0]->setValue(from);
        c.VScroll1[1]->setValue(to);
        c.Combo1->setCurrentIndex(c.Combo1->findText(QStringLiteral("PDF")));
        QTest::mouseClick(c.Command1, Qt::LeftButton);
    });
}

// Names the file in the save dialog and notes how the dialog was titled. The
// name is the one proposed: a name typed over it is not always taken over.
void NameThePdf(const std::string& file, QString* asked) {
    WhenModalOpens<QFileDialog>([=](QFileDialog* dialog) {
        *asked = dialog->windowTitle() + "|" + dialog->nameFilters().join(";;");
        dialog->selectFile(QString::fromStdString(file));
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

const char* const OverflowQuestion =
    "Bazı sütunlar, sayfa dışına taşıyor. Bu sütunlar çıktıda görülmeyecektir.\nRaporu yine de "
    "yazdırmak istiyor musunuz?";

// The whole road: the sample report open at 50 % on page 2, the print command
// from the toolbar or the menu, pages on the built-in PDF printer.
TEST(PrintFromWindow, TheChosenPagesOfTheSampleReachThePdfFile) {
    enum Overflow { Fits, AnswerNo, AnswerYes };
    struct Case {
        bool fromToolbar;
        int option, from, to;
        Overflow overflow;
        std::vector<int> pages;  // empty: nothing is written
    };
    for (const Case& c : {Case{true, 0, 1, 1, Fits, {1, 2, 3}}, Case{false, 3, 1, 1, Fits, {2}},
                          Case{false, 1, 3, 2, Fits, {}}, Case{false, 0, 1, 1, AnswerNo, {}},
                          Case{false, 0, 1, 1, AnswerYes, {1, 2, 3}}}) {
        SCOPED_TRACE(testing::Message() << c.option << " " << c.overflow);
        ViewerHarness harness;
        ASSERT_TRUE(harness.OpenPath(TABULON_TEST_DATA "/sample.txt"));
        harness.Show();
        FrmTabul& window = *harness.window;
        window.Zoom().Zoom50();
        window.TurnToNextPage();
        // Two very wide columns push the last ones past the right margin.
        if (c.overflow != Fits) harness.Pages().widths[2] = harness.Pages().widths[3] = 50;
        const std::string file = harness.folder.File("rapor.pdf");
        QString question, asked;
        ChoosePages(c.option, c.from, c.to);
        if (c.overflow != Fits)
            WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
                question = box->text();
                box->button(c.overflow == AnswerYes ? QMessageBox::Yes : QMessageBox::No)->click();
            });
        if (c.overflow != AnswerNo) NameThePdf(file, &asked);
        if (c.fromToolbar)
            window.Toolbar().Button(1)->click();
        else
            window.Menu().DOS_05->trigger();

        EXPECT_EQ(question, QString::fromUtf8(c.overflow == Fits ? "" : OverflowQuestion));
        EXPECT_EQ(asked, c.overflow == AnswerNo
                             ? QString()
                             : QString::fromUtf8("Farklı Kaydet|PDF Dosyaları (*.pdf)"));
        // Back on the page shown before, at 100 %.
        EXPECT_EQ(window.CurrentPage(), 2);
        EXPECT_EQ(window.ZoomFactor(), 1.0f);
        EXPECT_TRUE(window.Menu().GOR_01_01->isChecked());
        if (c.pages.empty()) {
            EXPECT_FALSE(std::filesystem::exists(file));
            continue;
        }
        ASSERT_EQ(PdfPageCount(file), static_cast<int>(c.pages.size())) << PdfInfo(file);
        for (size_t sheet = 0; sheet < c.pages.size(); ++sheet) {
            const std::string text = PdfText(file, static_cast<int>(sheet) + 1);
            EXPECT_NE(text.find("Sayfa:" + std::to_string(c.pages[sheet]) + "/3"),
                      std::string::npos)
                << text;
            EXPECT_NE(text.find("AYLIK SATIŞ RAPORU"), std::string::npos);
        }
    }
}

}  // namespace
