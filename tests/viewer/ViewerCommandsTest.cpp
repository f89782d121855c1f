#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include "MessageBoxCatcher.h"
#include "ViewerHarness.h"
#include "dialogs/ModalWatcher.h"
#include "dialogs/TypeText.h"
#include "platform/Twips.h"
#include "viewer/FindCommand.h"
#include "viewer/FindDialog.h"
#include "viewer/GoToPageDialog.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"
#include "viewer/ViewerStatusBar.h"

namespace {

// The sales report of 200 rows, shown and active, keys sent where the
// application sends them.
class ViewerCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Open(SalesReport(200)));
        h.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    }
    FrmTabul& W() { return h.W(); }
    // After a dialog has closed, the window manager hands activation back to
    // the window; offscreen the test does.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (!QApplication::activeModalWidget() && !W().isActiveWindow() &&
            !W().Finder().Dialog()->isActiveWindow()) {
            W().activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
        }
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : h.window.get(), static_cast<Qt::Key>(key), modifiers);
    }
    // Turns the mouse wheel over the page by notches (down is negative). A
    // wheel turn the page does not take goes on to the window; a test's own
    // event would stop at the page, so it goes to the window at once.
    void Wheel(int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF at = W().Canvas()->mapTo(h.window.get(), QPointF(100, 100));
        QWheelEvent wheel(at, W().mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(h.window.get(), &wheel);
    }
    QString Note() { return W().Status().NoteText(); }
    ViewerHarness h;
};

TEST_F(ViewerCommands, CtrlGGoesToTheChosenPageFromItsCorner) {
    const int32_t last = W().PageCount();
    ASSERT_GE(last, 3);
    const struct {
        const char* typed;
        int key;
        int32_t page;
    } cases[] = {{"2", Qt::Key_Return, 2}, {"3", Qt::Key_Escape, 2}, {"999", Qt::Key_Return, 2}};
    for (const auto& c : cases) {
        W().Desk().VScroll()->setValue(900);
        ModalWatcher answer([&](QWidget* dialog) {
            QSpinBox* page = static_cast<GoToPageDialog*>(dialog)->PageBox();
            page->selectAll();
            QTest::keyClicks(page, QString::fromLatin1(c.typed));  // past the last: not taken
            QTest::keyClick(page, static_cast<Qt::Key>(c.key));
        });
        Key(Qt::Key_G, Qt::ControlModifier);
        EXPECT_TRUE(answer.Fired());
        EXPECT_EQ(W().CurrentPage(), c.page) << c.typed;
        EXPECT_EQ(W().Desk().VScroll()->value(), c.key == Qt::Key_Return ? 0 : 900);
        EXPECT_EQ(W().Status().PageText(), QStringLiteral("Sayfa %1 / %2").arg(c.page).arg(last));
    }
}

// "Müşteri 3" stands on rows 3, 20, 37, ... (every seventeenth); F3 goes from
// hit to hit across pages and round the end with a note, Shift+F3 back.
TEST_F(ViewerCommands, FindGoesFromHitToHitAndRoundTheEnd) {
    Key(Qt::Key_F, Qt::ControlModifier);
    FindDialog* dialog = W().Finder().Dialog();
    ASSERT_TRUE(dialog->isVisible());
    TypeText(dialog->TextBox(), "MÜŞTERİ 3");
    QTest::keyClick(dialog->TextBox(), Qt::Key_Return);
    ASSERT_TRUE(W().Finder().Hit());
    EXPECT_EQ(W().Finder().Hit()->row, 3);
    EXPECT_EQ(W().Finder().Hit()->column, 2);
    // The hit is marked on the page.
    int marked = 0;
    const QImage& page = W().Canvas()->Image();
    for (int y = 0; y < page.height(); y += 2)
        for (int x = 0; x < page.width(); x += 2) marked += page.pixel(x, y) == qRgb(255, 228, 110);
    EXPECT_GT(marked, 20);
    W().activateWindow();
    std::vector<int64_t> rows;
    for (int i = 0; i < 12; ++i) {
        Key(Qt::Key_F3);
        rows.push_back(W().Finder().Hit()->row);
        if (rows.back() == 3) break;
    }
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0], 20);
    EXPECT_EQ(rows.back(), 3);  // round the end
    EXPECT_TRUE(Note().contains(QString::fromUtf8("baştan"))) << Note().toStdString();
    EXPECT_EQ(W().CurrentPage(), 1);
    Key(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(W().Finder().Hit()->row, rows[rows.size() - 2]);
    EXPECT_GT(W().CurrentPage(), 1);
    dialog->TextBox()->setText("yok böyle");
    dialog->NextButton()->click();
    EXPECT_FALSE(W().Finder().Hit());
    EXPECT_TRUE(Note().contains(QString::fromUtf8("bulunamadı")));
}

TEST_F(ViewerCommands, ZoomFitsAndStepsByMenuKeysAndWheel) {
    W().Menu().FitWidth->trigger();
    const float width = W().ZoomFactor();
    // The paper's width fills the desk, less the scroll bar and the canvas's offset.
    const int paper = PixelsFromTwips(W().Desk().Layout().Line3X);
    const int room = W().Desk().Zemin()->width() - W().Desk().VScroll()->width();
    EXPECT_LE(paper + PixelsFromTwips(200), room);
    EXPECT_GE(paper + PixelsFromTwips(200), room - 40);
    W().Menu().FitPage->trigger();
    EXPECT_LT(W().ZoomFactor(), width);
    EXPECT_TRUE(W().Menu().FitPage->isChecked());
    EXPECT_FALSE(W().Menu().GOR_01_01->isChecked());
    const struct {
        std::function<void()> act;
        const char* zoom;
    } steps[] = {
        {[&] { Key(Qt::Key_0, Qt::ControlModifier); }, "%100"},
        {[&] { Key(Qt::Key_Plus, Qt::ControlModifier); }, "%125"},
        {[&] { Wheel(+1, Qt::ControlModifier); }, "%150"},
        {[&] { Wheel(+1, Qt::ControlModifier); }, "%200"},
        {[&] { Wheel(+1, Qt::ControlModifier); }, "%200"},
        {[&] { Key(Qt::Key_Minus, Qt::ControlModifier); }, "%150"},
        {[&] { W().Menu().GOR_01_03->trigger(); }, "%50"},
        {[&] { Key(Qt::Key_Minus, Qt::ControlModifier); }, "%50"},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(W().Status().ZoomText(), QString::fromLatin1(step.zoom));
    }
    EXPECT_TRUE(W().Menu().GOR_01_03->isChecked());
}

// At a page's bottom the wheel goes on to the next page's top, at its top back
// to the previous page's bottom.
TEST_F(ViewerCommands, TheWheelRunsOnFromPageToPage) {
    QScrollBar* bar = W().Desk().VScroll();
    ASSERT_GT(bar->maximum(), 0);
    Wheel(-1);
    EXPECT_GT(bar->value(), 0);
    EXPECT_EQ(W().CurrentPage(), 1);
    for (int i = 0; i < 100 && W().CurrentPage() == 1; ++i) Wheel(-1);
    EXPECT_EQ(W().CurrentPage(), 2);
    EXPECT_EQ(bar->value(), 0);
    Wheel(+1);
    EXPECT_EQ(W().CurrentPage(), 1);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(ViewerCommands, AnotherReportOpensInPlaceAndAnUnreadableOneKeepsThisOne) {
    MessageBoxCatcher boxes;
    EXPECT_FALSE(W().OpenReport(h.folder.File("yok.txt")));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.startsWith(QString::fromUtf8("Rapor dosyası açılamadı:")));
    EXPECT_EQ(W().Pages().rows.RecordCount(), 200);

    const std::string other = h.folder.File("diger.txt");
    WriteBytes(other, SalesReport(7, "STOK"));
    Key(Qt::Key_End);
    // Dropped on the window like a file from the desktop.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(other))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(h.window.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(h.window.get(), &drop);
    EXPECT_EQ(W().Pages().rows.RecordCount(), 7);
    EXPECT_EQ(W().CurrentPage(), 1);
    EXPECT_EQ(W().windowTitle(), QString::fromUtf8("STOK-Rapor Görüntüleyici"));
    Key(Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(W().isVisible());
}

}  // namespace
