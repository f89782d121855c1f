#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "FixedPrinterCatalog.h"
#include "print/FrmPrint.h"

namespace {

struct Dialog {
    ReportModel model;
    FixedPrinterCatalog printers;
    std::unique_ptr<FrmPrint> form;

    explicit Dialog(int32_t pageCount = 7, const std::string& current = "Depo Lazer") {
        printers.names = {"Muhasebe", "Depo Lazer", "PDF"};
        printers.defaultName = "Depo Lazer";
        model.PageCount = pageCount;
        model.SelectedPrinter = "Muhasebe";
        form = std::make_unique<FrmPrint>(model, printers, current);
        form->show();
    }
    const FrmPrintControls& c() const { return form->Controls(); }
    void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    bool RangeEnabled() const {
        const bool on = c().Label3[0]->isEnabled();
        EXPECT_EQ(c().Label3[1]->isEnabled(), on);
        EXPECT_EQ(c().VScroll1[0]->isEnabled(), on);
        EXPECT_EQ(c().VScroll1[1]->isEnabled(), on);
        return on;
    }
    QColor LabelColour(int i) const { return c().Label3[i]->palette().color(QPalette::Window); }
};

const QColor ButtonFace() {
    return QApplication::palette().color(QPalette::Button);
}

TEST(FrmPrint, OpensWithAllPagesAndAGreyRangeAtOneToOne) {
    Dialog d;
    EXPECT_EQ(d.form->windowTitle(), QString::fromUtf8("Yazdır"));
    EXPECT_TRUE(d.c().Option1[0]->isChecked());
    EXPECT_FALSE(d.RangeEnabled());
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(d.LabelColour(i), ButtonFace());
        EXPECT_EQ(d.c().Label3[i]->text(), QStringLiteral("1"));
        EXPECT_EQ(d.c().VScroll1[i]->minimum(), 1);
        EXPECT_EQ(d.c().VScroll1[i]->maximum(), 7);
    }
}

TEST(FrmPrint, OnlyThePageRangeOptionEnablesTheRangeInWhite) {
    Dialog d;
    for (int option : {1, 2, 1, 3, 1, 0}) {
        SCOPED_TRACE(option);
        d.Click(d.c().Option1[option]);
        ASSERT_TRUE(d.c().Option1[option]->isChecked());
        EXPECT_EQ(d.RangeEnabled(), option == 1);
        EXPECT_EQ(d.LabelColour(0), option == 1 ? QColor(Qt::white) : ButtonFace());
        EXPECT_EQ(d.LabelColour(1), d.LabelColour(0));
        int checked = 0;
        for (auto* button : d.c().Option1) checked += button->isChecked();
        EXPECT_EQ(checked, 1);
    }
}

TEST(FrmPrint, SpinnersStepOnePageWithinTheReportAndShowTheirValue) {
    Dialog d(3);
    d.Click(d.c().Option1[1]);
    QScrollBar* last = d.c().VScroll1[1];
    // The lower arrow raises the value.
    for (int i = 0; i < 4; ++i) last->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(last->value(), 3);
    EXPECT_EQ(d.c().Label3[1]->text(), QStringLiteral("3"));
    last->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(d.c().Label3[1]->text(), QStringLiteral("2"));
    EXPECT_EQ(d.c().Label3[0]->text(), QStringLiteral("1"));
}

TEST(FrmPrint, OnePageReportGivesTheRangeOneToOne) {
    Dialog d(1);
    for (auto* spinner : d.c().VScroll1) {
        EXPECT_EQ(spinner->minimum(), 1);
        EXPECT_EQ(spinner->maximum(), 1);
    }
}

struct ResultCase {
    const char* name;
    int option;
    int32_t from, to;
};

class FrmPrintResult : public ::testing::TestWithParam<ResultCase> {};

TEST_P(FrmPrintResult, ConfirmWritesTheChoiceAndThePrinter) {
    const ResultCase& r = GetParam();
    Dialog d;
    d.Click(d.c().Option1[1]);
    // The range is set before the option, so odd and even must ignore it;
    // nothing keeps the first page at or below the last.
    d.c().VScroll1[0]->setValue(6);
    d.c().VScroll1[1]->setValue(4);
    d.Click(d.c().Option1[r.option]);
    d.c().Combo1->setCurrentIndex(2);
    d.Click(d.c().Command1);
    EXPECT_TRUE(d.model.PrintConfirmed);
    EXPECT_EQ(d.model.PrintFromPage, r.from);
    EXPECT_EQ(d.model.PrintToPage, r.to);
    EXPECT_EQ(d.model.SelectedPrinter, "PDF");
    EXPECT_EQ(d.form->result(), QDialog::Accepted);
    EXPECT_FALSE(d.form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Options, FrmPrintResult,
                         ::testing::Values(ResultCase{"All", 0, 1, 7}, ResultCase{"Range", 1, 6, 4},
                                           ResultCase{"Odd", 2, -1, -1},
                                           ResultCase{"Even", 3, -2, -2}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PreselectCase {
    const char* name;
    std::vector<std::string> printers;
    std::string current;
    int selected;
};

class PrinterPreselection : public ::testing::TestWithParam<PreselectCase> {};

TEST_P(PrinterPreselection, FindsTheCurrentPrinterByExactName) {
    const PreselectCase& p = GetParam();
    ReportModel model;
    model.PageCount = 2;
    FixedPrinterCatalog printers;
    printers.names = p.printers;
    FrmPrint form(model, printers, p.current);
    ASSERT_EQ(form.Controls().Combo1->count(), static_cast<int>(p.printers.size()));
    EXPECT_EQ(form.Controls().Combo1->currentIndex(), p.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PrinterPreselection,
    ::testing::Values(PreselectCase{"Match", {"A", "B", "PDF"}, "B", 1},
                      PreselectCase{"NoMatchTakesTheFirst", {"A", "B", "PDF"}, "C", 0},
                      PreselectCase{"CaseCounts", {"Lazer", "lazer", "PDF"}, "lazer", 1},
                      PreselectCase{"CaseMismatchIsNoMatch", {"A", "Lazer", "PDF"}, "LAZER", 0},
                      PreselectCase{"LastOfSeveralWins", {"X", "A", "X", "PDF"}, "X", 2},
                      PreselectCase{"BuiltInPdf", {"A", "PDF"}, "PDF", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrmPrint, EveryWayOfCancellingLeavesOnlyPrintConfirmedFalse) {
    const std::vector<std::function<void(Dialog&)>> cancels{
        [](Dialog& d) { d.Click(d.c().Command2); },
        [](Dialog& d) { d.form->close(); },
        [](Dialog& d) { QTest::keyClick(d.form.get(), Qt::Key_Escape); },
    };
    for (size_t i = 0; i < cancels.size(); ++i) {
        SCOPED_TRACE(i);
        Dialog d;
        d.model.PrintConfirmed = true;  // an earlier job was confirmed
        d.model.PrintFromPage = 2;
        d.Click(d.c().Option1[2]);
        d.c().Combo1->setCurrentIndex(2);
        cancels[i](d);
        EXPECT_FALSE(d.model.PrintConfirmed);
        EXPECT_EQ(d.model.PrintFromPage, 2);
        EXPECT_EQ(d.model.SelectedPrinter, "Muhasebe");
        EXPECT_FALSE(d.form->isVisible());
    }
}

TEST(FrmPrint, ConfirmingWithAnEmptyPrinterListKeepsThePrinter) {
    ReportModel model;
    model.PageCount = 2;
    model.SelectedPrinter = "Muhasebe";
    FixedPrinterCatalog printers;
    printers.names.clear();
    FrmPrint form(model, printers, "Muhasebe");
    QTest::mouseClick(form.Controls().Command1, Qt::LeftButton);
    EXPECT_TRUE(model.PrintConfirmed);
    EXPECT_EQ(model.SelectedPrinter, "Muhasebe");
}

TEST(FrmPrint, ControlsSitAtTheirDesignPositionsWithSpinnersInsideTheirLabels) {
    Dialog d;
    EXPECT_EQ(d.form->size(), QSize(553, 210));
    EXPECT_EQ(d.c().Combo1->geometry(), QRect(8, 16, 305, 22));
    EXPECT_EQ(d.c().Command1->geometry(), QRect(416, 176, 113, 25));
    EXPECT_EQ(d.c().Option1[3]->geometry(), QRect(336, 136, 113, 17));
    for (int i = 0; i < 2; ++i) {
        const QRect label = d.c().Label3[i]->geometry();
        const QRect spinner = d.c().VScroll1[i]->geometry();
        EXPECT_EQ(label.height(), 20);  // 300 twips
        EXPECT_TRUE(label.contains(spinner)) << i;
        EXPECT_LE(label.right() - spinner.right(), 3);
        EXPECT_EQ(spinner.top() - label.top(), 2);
    }
    const QFont font = d.form->font();
    EXPECT_EQ(font.family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25);
    EXPECT_FALSE(d.c().Combo1->font().bold());
    EXPECT_TRUE(d.c().Label2->font().bold());
    EXPECT_TRUE(d.c().Command1->font().bold());
    for (auto* option : d.c().Option1) EXPECT_TRUE(option->font().bold());
}

}  // namespace
