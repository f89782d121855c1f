#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

#include "viewer/MainMenu.h"
#include "viewer/ViewerHarness.h"

namespace {

using DialogsInWindow = ShownViewer;

// A menu item's form over the real window moved to page 3 at 50 %: the
// hourglass shows while the form is open, and afterwards the window is back
// on page 1 at 100 %. Handing activation back to the main window is the
// window manager's part, played here. A larger font gives more pages; edited
// headers move up and keep the room kept for headers, so the pages stay.
TEST_F(DialogsInWindow, FormsFromTheMenuReturnToPageOneAtFullSize) {
    const int32_t pages = W().PageCount();
    const struct {
        QAction* item;
        std::function<void(QWidget*)> drive;
        size_t questions;  // whether to keep the settings: No
        bool morePages;
    } forms[] = {
        {W().Menu().DOS_02,
         [](QWidget* form) {
             auto* first = form->findChild<QLineEdit*>("Text1(0)");
             first->selectAll();
             QTest::keyClick(first, Qt::Key_Delete);
             QTest::mouseClick(form->findChild<QWidget*>("Command1"), Qt::LeftButton);
         },
         0, false},
        {W().Menu().DOS_04,
         [](QWidget* form) {
             QLineEdit* size = form->findChild<QComboBox*>("Combo2")->lineEdit();
             size->selectAll();
             TypeText(size, "16");
             QTest::mouseClick(form->findChild<QWidget*>("Command2"), Qt::LeftButton);
         },
         1, true},
    };
    for (const auto& f : forms) {
        W().ShowNextPage();
        W().ShowNextPage();
        W().Zoom().Zoom50();
        ASSERT_EQ(W().CurrentPage(), 3);
        MessageBoxCatcher question(QMessageBox::No);
        OnModal<QWidget> watcher([&](QWidget* form) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(form));
            EXPECT_EQ(form->parentWidget(), &W());
            EXPECT_EQ(W().cursor().shape(), Qt::WaitCursor);
            f.drive(form);
        });
        f.item->trigger();
        W().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&W()));
        QApplication::processEvents();
        EXPECT_TRUE(watcher.Fired());
        EXPECT_EQ(W().CurrentPage(), 1);
        EXPECT_EQ(W().ZoomFactor(), 1.0f);
        EXPECT_TRUE(W().Menu().GOR_01_01->isChecked());
        EXPECT_FALSE(W().Menu().GOR_01_03->isChecked());
        EXPECT_NE(W().cursor().shape(), Qt::WaitCursor);
        EXPECT_EQ(question.shown.size(), f.questions);
        EXPECT_EQ(W().PageCount() > pages, f.morePages);
    }
    const auto& headers = h.Pages().layout.HeaderLines;
    EXPECT_EQ(headers[1], "Kasım 2026");
    EXPECT_EQ(headers[2], "Tüm şubeler");
    EXPECT_EQ(headers[3], "");
    EXPECT_EQ(W().Setup().FontSize, 16);
}

}  // namespace
