#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>

#include "ModalWatcher.h"
#include "RecordingReportWindow.h"
#include "dialogs/DialogCommands.h"

namespace {

const std::vector<std::string> AfterTheDialog = {"SetBusy(false)", "MeasureOnCanvas@1",
                                                 "UpdatePageGeometry@1", "RenderOnCanvas@1"};

// Both dialog commands, closed each way: the hourglass while the dialog is
// open, then page 1 measured, laid out and drawn again.
TEST(DialogCommands, ShowPageOneAgainWhicheverWayTheDialogCloses) {
    struct Command {
        const char* name;
        void (*run)(ReportWindow&);
        const char* applyButton;
        const char* cancelButton;
    } commands[] = {{"DOS_02", DOS_02_Click, "Command1", "Command2"},
                    {"DOS_04", DOS_04_Click, "Command2", "Command3"}};
    for (const Command& command : commands) {
        for (const char* how : {command.applyButton, command.cancelButton, "Escape"}) {
            SCOPED_TRACE(std::string(command.name) + " " + how);
            RecordingReportWindow window;
            window.model.CurrentPage = 4;
            window.model.PageOrient = 1;
            window.model.PageSizeX = 11906;
            window.model.PageSizeY = 16838;
            window.model.FontName = "Arial";
            window.model.FontSize = 10;
            bool busyWhileOpen = false;
            std::vector<std::string> callsWhileOpen;
            QWidget* dialogParent = nullptr;
            ModalWatcher watcher([&](QWidget* dialog) {
                busyWhileOpen = window.busy;
                callsWhileOpen = window.calls;
                dialogParent = dialog->parentWidget();
                if (std::string(how) == "Escape")
                    QTest::keyClick(dialog, Qt::Key_Escape);
                else
                    QTest::mouseClick(dialog->findChild<QWidget*>(how), Qt::LeftButton);
            });
            command.run(window);
            ASSERT_TRUE(watcher.Fired());
            EXPECT_TRUE(busyWhileOpen);
            EXPECT_EQ(callsWhileOpen, std::vector<std::string>{"SetBusy(true)"});
            EXPECT_EQ(dialogParent, &window.widget);
            std::vector<std::string> expected{"SetBusy(true)"};
            expected.insert(expected.end(), AfterTheDialog.begin(), AfterTheDialog.end());
            EXPECT_EQ(window.calls, expected);
            EXPECT_FALSE(window.busy);
            EXPECT_EQ(window.model.CurrentPage, 1);
        }
    }
}

}  // namespace
