#include <QAction>
#include <QComboBox>
#include <QLineEdit>

#include "viewer/ViewerHarness.h"

using namespace Tabulon;

namespace {

class DialogsInWindow : public ShownViewer {
  protected:
    // Opens a menu item's form, for `drive` to close, over the window on page 3
    // at 50 %: the hourglass shows meanwhile, and confirmed or not the report
    // starts over on page 1 at 100 %. The test hands activation back.
    void OpenForm(QAction* item, const std::function<void(QWidget*)>& drive) {
        W().ShowNextPage();
        W().ShowNextPage();
        W().Zoom().Zoom50();
        OnModal<QWidget> watcher([&](QWidget* form) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(form));
            EXPECT_EQ(form->parentWidget(), &W());
            EXPECT_EQ(W().cursor().shape(), Qt::WaitCursor);
            drive(form);
        });
        item->trigger();
        W().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&W()));
        QApplication::processEvents();
        EXPECT_EQ(W().CurrentPage(), 1);
        EXPECT_EQ(W().ZoomFactor(), 1.0f);
        EXPECT_NE(W().cursor().shape(), Qt::WaitCursor);
    }
};

// Apply moves the non-blank header lines up and drops only trailing spaces;
// Cancel keeps the lines. Lines past the third and the room kept for headers
// stay either way, so the pages do too. A larger font applied in the page
// setup gives more pages.
TEST_F(DialogsInWindow, HeadersAndPageSetupApplyToTheWindow) {
    auto& layout = h.Pages().layout;
    layout.HeaderLines[4] = "Satır 4";
    const int32_t room = layout.HeaderCount, pages = W().PageCount();
    const struct {
        const char* typed[3];
        const char* close;  // Apply or Cancel
        const char* kept[3];
    } cases[] = {{{"Bir", "   ", "Üç"}, "Command1", {"Bir", "Üç", ""}},
                 {{"  Girintili  ", "İki", ""}, "Command1", {"  Girintili", "İki", ""}},
                 {{"", "Yeni", "Satır"}, "Command2", {"  Girintili", "İki", ""}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed[0]) + "|" + c.typed[1] + "|" + c.typed[2] + " " + c.close);
        OpenForm(Menu().DOS_02, [&](QWidget* form) {
            for (int i = 0; i < 3; ++i) {
                auto* box = form->findChild<QLineEdit*>(QString("Text1(%1)").arg(i));
                EXPECT_EQ(box->text().toStdString(), layout.HeaderLines[i + 1]);
                box->selectAll();
                QTest::keyClick(box, Qt::Key_Delete);
                TypeText(box, QString::fromUtf8(c.typed[i]));
            }
            QTest::mouseClick(form->findChild<QPushButton*>(c.close), Qt::LeftButton);
        });
        for (int i = 0; i < 3; ++i) EXPECT_EQ(layout.HeaderLines[i + 1], c.kept[i]) << i;
        EXPECT_EQ(layout.HeaderLines[4], "Satır 4");
        EXPECT_EQ(layout.HeaderCount, room);
        EXPECT_EQ(W().PageCount(), pages);
    }
    MessageBoxCatcher question(QMessageBox::No);
    OpenForm(Menu().DOS_04, [](QWidget* form) {
        QLineEdit* size = form->findChild<QComboBox*>("Combo2")->lineEdit();
        size->selectAll();
        TypeText(size, "16");
        QTest::mouseClick(form->findChild<QWidget*>("Command2"), Qt::LeftButton);
    });
    EXPECT_EQ(W().Setup().FontSize, 16);
    EXPECT_GT(W().PageCount(), pages);
}

}  // namespace
