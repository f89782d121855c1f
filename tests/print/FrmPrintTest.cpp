#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "FixedPrinterCatalog.h"
#include "print/FrmPrint.h"

using namespace Tabulon;

namespace {

// "Yazdır" opens on all pages; only "Sayfa Aralığı" enables the page boxes
// and their spinners. A page typed into a box is taken on Enter or on leaving
// the box, within 1..PageCount, and the arrows step on from it; Enter does not
// print, and the button takes a page typed but not yet confirmed.
TEST(FrmPrint, OnlyTheRangeOptionEnablesTheRangeAndABoxTakesATypedPage) {
    FixedPrinterCatalog printers;
    FrmPrint form(12, printers, "PDF", "PDF", nullptr);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const FrmPrintControls& c = form.Controls();
    EXPECT_EQ(form.windowTitle(), "Yazdır");
    EXPECT_TRUE(c.Option1[0]->isChecked());
    const QWidget* range[] = {c.Label3[0], c.Label3[1], c.VScroll1[0], c.VScroll1[1]};
    for (int option : {0, 1, 2, 1, 3, 0, 1}) {
        QTest::mouseClick(c.Option1[option], Qt::LeftButton);
        for (const QWidget* w : range) EXPECT_EQ(w->isEnabled(), option == 1) << option;
    }
    QLineEdit* first = c.Label3[0];
    QScrollBar* spinner = c.VScroll1[0];
    const auto type = [](QLineEdit* box, const char* typed) {
        box->setFocus();
        EXPECT_TRUE(QTest::qWaitFor([box] { return box->hasFocus(); }));
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(typed));
    };
    const std::tuple<const char*, Qt::Key, int> cases[] = {
        {"7", Qt::Key_Return, 7}, {" 9 ", Qt::Key_Tab, 9}, {"40", Qt::Key_Return, 12},
        {"0", Qt::Key_Return, 1}, {"5", Qt::Key_Tab, 5},   {"bes", Qt::Key_Return, 5}};
    for (const auto& [typed, leave, page] : cases) {
        type(first, typed);
        QTest::keyClick(first, leave);
        EXPECT_EQ(spinner->value(), page) << typed;
        EXPECT_EQ(first->text(), QString::number(page)) << typed;
        EXPECT_TRUE(form.isVisible());
    }
    type(first, "8");  // then the lower arrow: one page on from the typed one
    QTest::mouseClick(spinner, Qt::LeftButton, {},
                      QPoint(spinner->width() / 2, spinner->height() - 2));
    EXPECT_EQ(first->text(), QStringLiteral("9"));
    type(c.Label3[1], "11");
    c.Command1->click();  // as its Alt+Y does, without moving the focus
    EXPECT_TRUE(form.Choice().confirmed);
    EXPECT_EQ(form.Choice().fromPage, 9);
    EXPECT_EQ(form.Choice().toPage, 11);
}

}  // namespace
