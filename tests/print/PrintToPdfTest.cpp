#include <gtest/gtest.h>

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "LoadedReportWindow.h"
#include "ModalDriver.h"
#include "PdfTools.h"
#include "print/FrmPrint.h"
#include "print/PrintCommand.h"

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

struct PdfCase {
    const char* name;
    int option, from, to;
    std::vector<int> pages;  // empty: no file is written
};

class PrintToPdf : public ::testing::TestWithParam<PdfCase> {};

TEST_P(PrintToPdf, TheFileHoldsTheChosenPagesOfTheSample) {
    const PdfCase& c = GetParam();
    LoadedReportWindow window;
    ASSERT_TRUE(window.loaded);
    ASSERT_EQ(window.model.PageCount, 3);
    window.model.CurrentPage = 2;
    const std::string file = window.dir.File("rapor.pdf");
    window.saveFileAnswer = QString::fromStdString(file);

    ChooseInPrintDialog(c.option, c.from, c.to);
    DOS_05_Click(window);

    EXPECT_EQ(window.model.CurrentPage, 2);
    EXPECT_EQ(window.view.ZoomFactor, 1.0f);
    if (c.pages.empty()) {
        EXPECT_FALSE(std::filesystem::exists(file));
        return;
    }
    ASSERT_EQ(PdfPageCount(file), static_cast<int>(c.pages.size()));
    for (size_t sheet = 0; sheet < c.pages.size(); ++sheet) {
        const std::string text = PdfText(file, static_cast<int>(sheet) + 1);
        EXPECT_NE(text.find("Sayfa:" + std::to_string(c.pages[sheet]) + "/3"), std::string::npos)
            << text;
        EXPECT_NE(text.find("AYLIK SATIŞ RAPORU"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Selections, PrintToPdf,
                         ::testing::Values(PdfCase{"All", 0, 1, 1, {1, 2, 3}},
                                           PdfCase{"Range", 1, 2, 3, {2, 3}},
                                           PdfCase{"Odd", 2, 1, 1, {1, 3}},
                                           PdfCase{"Even", 3, 1, 1, {2}},
                                           PdfCase{"FirstAfterLast", 1, 3, 2, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintToPdf, ColumnsPastTheEdgeAskFirstAndNoPrintsNothing) {
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        LoadedReportWindow window;
        // Two very wide columns push the last ones past the right margin.
        window.model.ColumnWidths[2] = 50;
        window.model.ColumnWidths[3] = 50;
        const std::string file = window.dir.File("genis.pdf");
        window.saveFileAnswer = QString::fromStdString(file);

        QString question;
        ChooseInPrintDialog(0);
        WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        DOS_05_Click(window);
        EXPECT_TRUE(question.startsWith(QString::fromUtf8("Bazı sütunlar, sayfa dışına taşıyor.")));
        EXPECT_EQ(std::filesystem::exists(file), yes);
    }
}

}  // namespace
