#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "FixedPrinterCatalog.h"
#include "print/FrmPrint.h"

using namespace Tabulon;

namespace {

struct Dialog {
    FixedPrinterCatalog printers;
    std::unique_ptr<FrmPrint> form;

    explicit Dialog(int32_t pageCount, std::vector<std::string> names = {"Muhasebe", "PDF"},
                    const std::string& current = "PDF") {
        printers.names = std::move(names);
        form = std::make_unique<FrmPrint>(pageCount, printers, current, "Muhasebe", nullptr);
        form->show();
    }
    const FrmPrintControls& c() const { return form->Controls(); }
    void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

// "Yazdır" opens on all pages; only "Sayfa Aralığı" enables the page boxes
// and their spinners. A page typed into a box is taken on Enter or on leaving
// the box, within 1..PageCount, and the arrows step on from it; Enter does not
// print, and the button takes a page typed but not yet confirmed.
TEST(FrmPrint, OnlyTheRangeOptionEnablesTheRangeAndABoxTakesATypedPage) {
    Dialog d(12);
    d.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.form.get()));
    EXPECT_EQ(d.form->windowTitle(), "Yazdır");
    EXPECT_TRUE(d.c().Option1[0]->isChecked());
    for (int option : {0, 1, 2, 1, 3, 0, 1}) {
        d.Click(d.c().Option1[option]);
        const QWidget* range[] = {d.c().Label3[0], d.c().Label3[1], d.c().VScroll1[0],
                                  d.c().VScroll1[1]};
        for (const QWidget* w : range) EXPECT_EQ(w->isEnabled(), option == 1) << option;
    }
    QLineEdit* first = d.c().Label3[0];
    QScrollBar* spinner = d.c().VScroll1[0];
    const auto type = [](QLineEdit* box, const char* typed) {
        box->setFocus();
        EXPECT_TRUE(QTest::qWaitFor([box] { return box->hasFocus(); }));
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(typed));
    };
    const std::tuple<const char*, Qt::Key, int> cases[] = {
        {"7", Qt::Key_Return, 7}, {" 9 ", Qt::Key_Tab, 9}, {"40", Qt::Key_Return, 12},
        {"0", Qt::Key_Return, 1}, {"5", Qt::Key_Tab, 5},   {"bes", Qt::Key_Return, 5},
        {"3x", Qt::Key_Tab, 5},   {"-2", Qt::Key_Tab, 1}};
    for (const auto& [typed, leave, page] : cases) {
        type(first, typed);
        QTest::keyClick(first, leave);
        EXPECT_EQ(spinner->value(), page) << typed;
        EXPECT_EQ(first->text(), QString::number(page)) << typed;
        EXPECT_TRUE(d.form->isVisible());
    }
    type(first, "8");  // then the lower arrow: one page on from the typed one
    QTest::mouseClick(spinner, Qt::LeftButton, {},
                      QPoint(spinner->width() / 2, spinner->height() - 2));
    EXPECT_EQ(first->text(), QStringLiteral("9"));
    type(d.c().Label3[1], "11");
    d.c().Command1->click();  // as its Alt+Y does, without moving the focus
    EXPECT_TRUE(d.form->Choice().confirmed);
    EXPECT_EQ(d.form->Choice().fromPage, 9);
    EXPECT_EQ(d.form->Choice().toPage, 11);
}

// The last exact match of the current printer "X", or else the first; with
// no printer listed the previous one stays.
TEST(FrmPrint, PreselectsTheLastExactMatchOfTheCurrentPrinterOrElseTheFirst) {
    for (auto [printers, selected] : {std::pair{std::vector<std::string>{"X", "A", "X", "x"}, 2},
                                      {{"A", "x", "PDF"}, 0},
                                      {{}, -1}}) {
        Dialog d(2, printers, "X");
        EXPECT_EQ(d.c().Combo1->currentIndex(), selected);
        d.Click(d.c().Command1);
        EXPECT_EQ(d.form->Choice().printer, selected < 0 ? "Muhasebe" : printers[selected]);
    }
}

}  // namespace
