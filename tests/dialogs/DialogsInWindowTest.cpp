#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "ModalWatcher.h"
#include "TypeText.h"
#include "viewer/MainMenu.h"
#include "viewer/MessageBoxCatcher.h"
#include "viewer/ViewerHarness.h"

namespace {
// The real main window over a report of a few pages, shown and active, moved
// to page 3 at 50 % so the return to page 1 at 100 % shows.
class DialogsInWindowTest : public ::testing::Test {
  protected:
    ViewerHarness h;

    void SetUp() override {
        ASSERT_TRUE(h.Open(SalesReport(400)));
        h.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
        ASSERT_GE(h.W().PageCount(), 3);
    }

    // Runs a menu item whose dialog `drive` handles, then expects page 1 at
    // 100 % and the hourglass gone; it showed while the dialog was open.
    // Handing activation back to the main window afterwards is the window
    // manager's part, played here.
    void RunDialog(QAction* item, const std::function<void(QWidget*)>& drive) {
        FrmTabul& window = *h.window;
        window.ShowNextPage();
        window.ShowNextPage();
        window.Zoom().Zoom50();
        ASSERT_EQ(window.CurrentPage(), 3);
        ModalWatcher watcher([&](QWidget* dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            EXPECT_EQ(dialog->parentWidget(), &window);
            EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);
            drive(dialog);
        });
        item->trigger();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QApplication::processEvents();
        EXPECT_TRUE(watcher.Fired());
        EXPECT_EQ(window.CurrentPage(), 1);
        EXPECT_EQ(window.ZoomFactor(), 1.0f);
        EXPECT_TRUE(window.Menu().GOR_01_01->isChecked());
        EXPECT_FALSE(window.Menu().GOR_01_03->isChecked());
        EXPECT_NE(window.cursor().shape(), Qt::WaitCursor);
    }
};

TEST_F(DialogsInWindowTest, ALargerFontGivesMorePages) {
    const int32_t pagesBefore = h.W().PageCount();
    MessageBoxCatcher question(QMessageBox::No);
    RunDialog(h.window->Menu().DOS_04, [&](QWidget* dialog) {
        QLineEdit* size = dialog->findChild<QComboBox*>("Combo2")->lineEdit();
        size->selectAll();
        TypeText(size, "16");
        QTest::mouseClick(dialog->findChild<QWidget*>("Command2"), Qt::LeftButton);
    });
    EXPECT_EQ(question.shown.size(), 1u);
    EXPECT_EQ(h.W().Setup().FontSize, 16);
    EXPECT_GT(h.W().PageCount(), pagesBefore);
}

// The room kept for headers stays, so the pages stay as they were.
TEST_F(DialogsInWindowTest, EditedHeadersMoveUpAndKeepThePages) {
    const int32_t pagesBefore = h.W().PageCount();
    RunDialog(h.window->Menu().DOS_02, [](QWidget* dialog) {
        auto* first = dialog->findChild<QLineEdit*>("Text1(0)");
        first->selectAll();
        QTest::keyClick(first, Qt::Key_Delete);
        QTest::mouseClick(dialog->findChild<QWidget*>("Command1"), Qt::LeftButton);
    });
    const auto& headers = h.Pages().layout.HeaderLines;
    EXPECT_EQ(headers[1], "Kasım 2026");
    EXPECT_EQ(headers[2], "Tüm şubeler");
    EXPECT_EQ(headers[3], "");
    EXPECT_EQ(h.W().PageCount(), pagesBefore);
}
}  // namespace
