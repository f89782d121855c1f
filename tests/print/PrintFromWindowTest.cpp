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

// Answers the print dialog: the option, the range, and the built-in PDF printer.
void ChooseInPrintDialog(int option, int from = 1, int to = 1) {
    WhenModalOpens<FrmPrint>([=](FrmPrint* dialog) {
        const FrmPrintControls& c = dialog->Controls();
        QTest::mouseClick(c.Option1[option], Qt::LeftButton);
        c.VScroll1[0]->setValue(from);
        c.VScroll1[1]->setValue(to);
        c.Combo1->setCurrentIndex(c.Combo1->findText(QStringLiteral("PDF")));
        QTest::mouseClick(c.Command1, Qt::LeftButton);
    });
}

// Names the file in the save dialog; remembers how the dialog was titled.
void NameThePdf(const std::string& file, QString* titleAndFilter) {
    WhenModalOpens<QFileDialog>([=](QFileDialog* dialog) {
        *titleAndFilter = dialog->windowTitle() + "|" + dialog->nameFilters().join(";;");
        dialog->selectFile(QString::fromStdString(file));
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

struct WindowCase {
    const char* name;
    bool fromToolbar;
    int option, from, to;
    std::vector<int> pages;  // empty: nothing is written
};

class PrintFromWindow : public ::testing::TestWithParam<WindowCase> {};

// The whole road: the sample report open at 50 % on page 2, the print command
// from the toolbar or the menu, pages on the built-in PDF printer, the file
// named in the save dialog.
TEST_P(PrintFromWindow, TheChosenPagesOfTheSampleReachThePdfFile) {
    const WindowCase& c = GetParam();
    ViewerHarness harness;
    ASSERT_TRUE(harness.OpenPath(TABULON_TEST_DATA "/sample.txt"));
    harness.Show();
    FrmTabul& window = *harness.window;
    ASSERT_EQ(harness.model.PageCount, 3);
    window.GOR_01_03_Click();
    window.NextPage();

    const std::string file = harness.folder.File("rapor.pdf");
    QString asked;
    ChooseInPrintDialog(c.option, c.from, c.to);
    NameThePdf(file, &asked);
    if (c.fromToolbar)
        window.Toolbar().Button(1)->click();
    else
        window.Menu().DOS_05->trigger();

    EXPECT_EQ(asked, QString::fromUtf8("Farklı Kaydet|PDF Dosyaları (*.pdf)"));
    // Back on the page shown before, at 100 %.
    EXPECT_EQ(harness.model.CurrentPage, 2);
    EXPECT_EQ(window.View().ZoomFactor, 1.0f);
    EXPECT_TRUE(window.Menu().GOR_01_01->isChecked());
    if (c.pages.empty()) {
        EXPECT_FALSE(std::filesystem::exists(file));
        return;
    }
    ASSERT_EQ(PdfPageCount(file), static_cast<int>(c.pages.size())) << PdfInfo(file);
    for (size_t sheet = 0; sheet < c.pages.size(); ++sheet) {
        const std::string text = PdfText(file, static_cast<int>(sheet) + 1);
        EXPECT_NE(text.find("Sayfa:" + std::to_string(c.pages[sheet]) + "/3"), std::string::npos)
            << text;
        EXPECT_NE(text.find("AYLIK SATIŞ RAPORU"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Selections, PrintFromWindow,
                         ::testing::Values(WindowCase{"AllFromToolbar", true, 0, 1, 1, {1, 2, 3}},
                                           WindowCase{"OddFromToolbar", true, 2, 1, 1, {1, 3}},
                                           WindowCase{"RangeFromMenu", false, 1, 2, 3, {2, 3}},
                                           WindowCase{"EvenFromMenu", false, 3, 1, 1, {2}},
                                           WindowCase{"FirstAfterLast", false, 1, 3, 2, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintFromWindowOverflow, ColumnsPastTheEdgeAskFirstAndNoPrintsNothing) {
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        ViewerHarness harness;
        ASSERT_TRUE(harness.OpenPath(TABULON_TEST_DATA "/sample.txt"));
        harness.Show();
        // Two very wide columns push the last ones past the right margin.
        harness.model.ColumnWidths[2] = 50;
        harness.model.ColumnWidths[3] = 50;
        const std::string file = harness.folder.File("genis.pdf");

        QString question, asked;
        ChooseInPrintDialog(0);
        WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        if (yes) NameThePdf(file, &asked);
        harness.window->Menu().DOS_05->trigger();
        EXPECT_EQ(question, QString::fromUtf8("Bazı sütunlar, sayfa dışına taşıyor. Bu sütunlar "
                                              "çıktıda görülmeyecektir.\nRaporu yine de "
                                              "yazdırmak istiyor musunuz?"));
        EXPECT_EQ(std::filesystem::exists(file), yes);
    }
}

}  // namespace
