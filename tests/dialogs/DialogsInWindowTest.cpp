#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

#include "viewer/ViewerHarness.h"

namespace {

using DialogsInWindow = ShownViewer;

// A menu item's form over the window moved to page 3 at 50 %: the hourglass
// shows while it is open, and afterwards the report starts over on page 1 at
// 100 %, measured again. A larger font gives more pages; edited headers move
// up and keep the room kept for headers, so the pages stay. Handing
// activation back to the window is the window manager's part, played here.
TEST_F(DialogsInWindow, FormsFromTheMenuStartTheReportOverOnPageOne) {
    const int32_t pages = W().PageCount();
    for (const bool pageSetup : {false, true}) {
        W().ShowNextPage();
        W().ShowNextPage();
        W().Zoom().Zoom50();
        ASSERT_EQ(W().CurrentPage(), 3);
        MessageBoxCatcher question(QMessageBox::No);  // whether to keep the settings
        OnModal<QWidget> watcher([&](QWidget* form) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(form));
            EXPECT_EQ(form->parentWidget(), &W());
            EXPECT_EQ(W().cursor().shape(), Qt::WaitCursor);
            QLineEdit* edit = pageSetup ? form->findChild<QComboBox*>("Combo2")->lineEdit()
                                        : form->findChild<QLineEdit*>("Text1(0)");
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            TypeText(edit, pageSetup ? "16" : "");
            QTest::mouseClick(form->findChild<QWidget*>(pageSetup ? "Command2" : "Command1"),
                              Qt::LeftButton);
        });
        (pageSetup ? Menu().DOS_04 : Menu().DOS_02)->trigger();
        W().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&W()));
        QApplication::processEvents();
        EXPECT_TRUE(watcher.Fired());
        EXPECT_EQ(W().CurrentPage(), 1);
        EXPECT_EQ(W().ZoomFactor(), 1.0f);
        EXPECT_NE(W().cursor().shape(), Qt::WaitCursor);
        EXPECT_EQ(question.shown.size(), pageSetup ? 1u : 0u);
        EXPECT_EQ(W().PageCount() > pages, pageSetup);
    }
    const auto& headers = h.Pages().layout.HeaderLines;
    EXPECT_EQ(std::vector<std::string>(&headers[1], &headers[4]),
              (std::vector<std::string>{"Kasım 2026", "Tüm şubeler", ""}));
    EXPECT_EQ(W().Setup().FontSize, 16);
}

}  // namespace
