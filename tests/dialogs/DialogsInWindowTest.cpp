#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "ModalWatcher.h"
#include "TypeText.h"
#include "viewer/MainMenu.h"
#include "viewer/ViewerHarness.h"

namespace {

std::string LongReport(int rows) {
    std::string text = ReportText(
        {"1STOK LİSTESİ", "1Aralık 2026", "2Kod\tÜrün\tMiktar\t", "4\t\t+\t", "5Z\tT\tN\t"});
    for (int i = 1; i <= rows; ++i)
        text += "9" + std::to_string(i) + "\tÜrün " + std::to_string(i) + "\t" +
                std::to_string(i * 3) + "\t\r\n";
    return text;
}

// The real main window over a report of a few pages, shown and active, moved
// to page 3 at 75 % so the return to page 1 at 100 % shows.
class DialogsInWindowTest : public ::testing::Test {
  protected:
    ViewerHarness h;
    ReportModel& model = h.model;
    MemorySettingsBackend& settings = h.settings;
    std::unique_ptr<FrmTabul>& window = h.window;

    void SetUp() override {
        ASSERT_TRUE(h.Open(LongReport(400)));
        h.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_GE(model.PageCount, 3);
        window->GOR_03_Click();
        window->GOR_03_Click();
        window->GOR_01_02_Click();
        ASSERT_EQ(model.CurrentPage, 3);
    }

    // Runs a menu item whose dialog `drive` handles, noting the pointer shown
    // over the main window while the dialog is open. Handing activation back to
    // the main window afterwards is the window manager's part, played here.
    Qt::CursorShape RunDialog(QAction* item, const std::function<void(QWidget*)>& drive) {
        Qt::CursorShape whileOpen = Qt::ArrowCursor;
        ModalWatcher watcher([&](QWidget* dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            whileOpen = window->cursor().shape();
            drive(dialog);
        });
        item->trigger();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QApplication::processEvents();
        EXPECT_TRUE(watcher.Fired());
        return whileOpen;
    }

    void ExpectPageOneAtFullSize() {
        EXPECT_EQ(model.CurrentPage, 1);
        EXPECT_EQ(window->View().ZoomFactor, 1.0f);
        EXPECT_TRUE(window->Menu().GOR_01_01->isChecked());
        EXPECT_FALSE(window->Menu().GOR_01_02->isChecked());
        EXPECT_NE(window->cursor().shape(), Qt::WaitCursor);
    }
};

TEST_F(DialogsInWindowTest, ALargerFontGivesMorePagesFromPageOneAtFullSize) {
    const int32_t pagesBefore = model.PageCount;
    QuestionSeen seen;
    std::unique_ptr<ModalWatcher> question;
    const Qt::CursorShape whileOpen = RunDialog(window->Menu().DOS_04, [&](QWidget* dialog) {
        QLineEdit* size = dialog->findChild<QComboBox*>("Combo2")->lineEdit();
        size->selectAll();
        TypeText(size, "16");
        question = std::make_unique<ModalWatcher>(Answer(QMessageBox::No, seen), dialog);
        QTest::mouseClick(dialog->findChild<QWidget*>("Command2"), Qt::LeftButton);
    });
    EXPECT_EQ(whileOpen, Qt::WaitCursor);
    EXPECT_TRUE(seen.asked);
    EXPECT_EQ(model.FontSize, 16);
    EXPECT_GT(model.PageCount, pagesBefore);
    // Kept for this run only: the stored setup is still the first run's.
    EXPECT_EQ(settings.QueryValue("SOFTWARE\\Vornak Software\\Tabulon", "FontSize"), "10");
    ExpectPageOneAtFullSize();
}

TEST_F(DialogsInWindowTest, CancelledDialogsStillReturnToPageOneAtFullSize) {
    const int32_t pagesBefore = model.PageCount;
    for (QAction* item : {window->Menu().DOS_02, window->Menu().DOS_04}) {
        SCOPED_TRACE(item->objectName().toStdString() + " " + item->text().toStdString());
        window->GOR_03_Click();
        window->GOR_01_03_Click();
        const Qt::CursorShape whileOpen =
            RunDialog(item, [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        EXPECT_EQ(whileOpen, Qt::WaitCursor);
        EXPECT_EQ(model.PageCount, pagesBefore);
        ExpectPageOneAtFullSize();
    }
}

TEST_F(DialogsInWindowTest, EditedHeadersMoveUpAndKeepTheRoomForHeaders) {
    const int32_t pagesBefore = model.PageCount;
    RunDialog(window->Menu().DOS_02, [](QWidget* dialog) {
        auto* first = dialog->findChild<QLineEdit*>("Text1(0)");
        first->selectAll();
        QTest::keyClick(first, Qt::Key_Delete);
        QTest::mouseClick(dialog->findChild<QWidget*>("Command1"), Qt::LeftButton);
    });
    EXPECT_EQ(model.HeaderLines[1], "Aralık 2026");
    EXPECT_EQ(model.HeaderLines[2], "");
    // The room kept for headers stays, so the pages stay as they were.
    EXPECT_EQ(model.PageCount, pagesBefore);
    ExpectPageOneAtFullSize();
}

}  // namespace
