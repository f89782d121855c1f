#include <QAction>
#include <QMimeData>
#include <QScrollBar>
#include <QSpinBox>

#include "ViewerHarness.h"
#include "core/Rounding.h"
#include "platform/Twips.h"
#include "viewer/GoToPageDialog.h"
#include "viewer/PictureBox.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

namespace {

class Navigation : public ShownViewer {
  protected:
    // A green square in the page's top-left margin, until the page is drawn again.
    void MarkCanvas() { W().Canvas()->Target().Box(150, 150, 400, 400, Rgb{0, 255, 0}, true); }
    bool CanvasMarked() {
        return W().Canvas()->Image().pixelColor(QPoint(17, 17)) == QColor(0, 255, 0);
    }
    const TwipsRect& Canvas() { return W().Desk().Layout().Canvas; }
    std::string Status() {
        return (W().Status().PageText() + " " + W().Status().ZoomText()).toStdString();
    }
    // Turns the wheel by notches (down is negative) over the page.
    void Wheel(int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF at = W().Canvas()->mapTo(&W(), QPointF(100, 100));
        QWheelEvent wheel(at, W().mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&W(), &wheel);
    }
    std::function<void()> PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        return [this, key, modifiers] { Key(key, modifiers); };
    }
    static std::function<void()> Trigger(QAction* action) {
        return [action] { action->trigger(); };
    }
    std::function<void()> Press(int button) {
        return [this, button] { Click(button); };
    }
    // A command, the status bar after it, and whether it draws the page again
    // and brings the page's corner into view.
    struct Command {
        std::function<void()> run;
        const char* status;
        bool redraws = true, toCorner = true;
    };
    // Runs each command from a view scrolled away from the page's corner; at
    // any zoom only its own item is checked, and canvas, ruler and paper's
    // edge are scaled by it.
    void RunFromAScrolledView(const std::vector<Command>& commands) {
        const std::pair<QAction*, float> zoomItems[] = {
            {Menu().GOR_01_01, 1.0f}, {Menu().GOR_01_02, 0.75f}, {Menu().GOR_01_03, 0.5f}};
        for (const Command& c : commands) {
            SCOPED_TRACE(testing::Message() << c.status << " " << &c - commands.data());
            W().Desk().VScroll()->setValue(1500);
            W().Desk().HScroll()->setValue(600);
            MarkCanvas();
            c.run();
            EXPECT_EQ(Status(), c.status);
            EXPECT_EQ(CanvasMarked(), !c.redraws);
            EXPECT_EQ(Canvas().top, c.toCorner ? 400 : 400 - 1500);
            EXPECT_EQ(Canvas().left, c.toCorner ? 200 : 200 - 600);
            EXPECT_EQ(W().Desk().Layout().Cetvel.top, Canvas().top - 210);
            const float zoom = W().ZoomFactor();
            for (const auto& [action, factor] : zoomItems)
                EXPECT_EQ(action->isChecked(), factor == zoom);
            EXPECT_EQ(W().Canvas()->TwipsWidth(), RoundHalfEven(25000 * zoom));
            EXPECT_EQ(W().Cetvel()->TwipsWidth(), RoundHalfEven(25000 * zoom));
            EXPECT_EQ(W().Desk().Layout().Line3X, RoundHalfEven(W().Setup().PageSizeX * zoom));
        }
    }
};

// The page keys, whatever the modifiers, keep the scroll position and draw
// nothing past the first or last page (Home and End always draw); Ctrl+G, the
// menu and the toolbar bring the corner into view. The wheel runs from a
// page's bottom to the next one's top, and back.
TEST_F(Navigation, PageCommandsAndTheWheelTurnThePage) {
    const auto goTo = [this](const char* typed, Qt::Key k) {
        return [this, typed, k] {
            OnModal<GoToPageDialog> answer([&](GoToPageDialog* dialog) {
                dialog->PageBox()->selectAll();
                QTest::keyClicks(dialog->PageBox(), typed);
                QTest::keyClick(dialog->PageBox(), k);
            });
            Key(Qt::Key_G, Qt::ControlModifier);
        };
    };
    RunFromAScrolledView(
        {{PressKey(Qt::Key_PageUp), "Sayfa 1 / 4 %100", false, false},
         {PressKey(Qt::Key_Home), "Sayfa 1 / 4 %100", true, false},
         {PressKey(Qt::Key_End), "Sayfa 4 / 4 %100", true, false},
         {PressKey(Qt::Key_PageDown), "Sayfa 4 / 4 %100", false, false},
         {PressKey(Qt::Key_PageUp), "Sayfa 3 / 4 %100", true, false},
         {PressKey(Qt::Key_PageDown, Qt::ShiftModifier), "Sayfa 4 / 4 %100", true, false},
         {goTo("3", Qt::Key_Return), "Sayfa 3 / 4 %100"},
         {goTo("1", Qt::Key_Escape), "Sayfa 3 / 4 %100", false, false},
         {goTo("999", Qt::Key_Return), "Sayfa 3 / 4 %100"},
         {Trigger(Menu().GOR_04), "Sayfa 1 / 4 %100"},
         {Trigger(Menu().GOR_03), "Sayfa 2 / 4 %100"},
         {Press(4), "Sayfa 3 / 4 %100"},
         {Press(3), "Sayfa 2 / 4 %100"},
         {Trigger(Menu().GOR_02), "Sayfa 1 / 4 %100"},
         // The previous page on page 1 moves the view but draws nothing.
         {Trigger(Menu().GOR_02), "Sayfa 1 / 4 %100", false}});
    EXPECT_EQ(Menu().GOR_03->text(), "&Sonraki Sayfa\tPage Down");
    W().ShowFirstPage();
    QScrollBar* bar = W().Desk().VScroll();
    ASSERT_GT(bar->maximum(), 0);
    Wheel(-1);
    EXPECT_GT(bar->value(), 0);
    for (int i = 0; i < 100 && W().CurrentPage() == 1; ++i) Wheel(-1);
    EXPECT_EQ(W().CurrentPage(), 2);
    EXPECT_EQ(bar->value(), 0);
    Wheel(+1);
    EXPECT_EQ(W().CurrentPage(), 1);
    EXPECT_EQ(bar->value(), bar->maximum());
}

// Zoom steps through 50..200 % by the menu, the toolbar, the keys and the
// wheel, keeping the page, and the page commands keep the zoom.
TEST_F(Navigation, ZoomCommandsStepThroughTheZoomsKeepingThePage) {
    const auto ctrl = [this](Qt::Key k) { return PressKey(k, Qt::ControlModifier); };
    const auto wheel = [this] { Wheel(+1, Qt::ControlModifier); };
    RunFromAScrolledView({{Trigger(Menu().GOR_01_02), "Sayfa 1 / 4 %75"},
                          {Trigger(Menu().GOR_05), "Sayfa 4 / 4 %75"},
                          {Trigger(Menu().GOR_01_03), "Sayfa 4 / 4 %50"},
                          {Trigger(Menu().GOR_01_01), "Sayfa 4 / 4 %100"},
                          {Press(6), "Sayfa 4 / 4 %75"},
                          {Press(7), "Sayfa 4 / 4 %50"},
                          {ctrl(Qt::Key_Minus), "Sayfa 4 / 4 %50"},
                          {Press(5), "Sayfa 4 / 4 %100"},
                          {ctrl(Qt::Key_Plus), "Sayfa 4 / 4 %125"},
                          {wheel, "Sayfa 4 / 4 %150"},
                          {wheel, "Sayfa 4 / 4 %200"},
                          {wheel, "Sayfa 4 / 4 %200"},
                          {ctrl(Qt::Key_Minus), "Sayfa 4 / 4 %150"},
                          {ctrl(Qt::Key_0), "Sayfa 4 / 4 %100"}});
}

// At every zoom, the square where the scroll bars meet shows the window's own
// colour, never a piece of a page larger than the desk.
TEST_F(Navigation, ThePageStaysOutOfTheScrollBarsCorner) {
    for (int steps : {0, 4}) {  // 100 % and 200 %
        for (int i = 0; i < steps; ++i) Key(Qt::Key_Plus, Qt::ControlModifier);
        QApplication::processEvents();
        const QScrollBar* right = W().Desk().VScroll();
        const QScrollBar* below = W().Desk().HScroll();
        const QRect corner(right->x(), right->geometry().bottom() + 1, right->width() - 1,
                           below->height() - 2);
        const QImage desk = W().Desk().Zemin()->grab().toImage();
        const QColor window = W().palette().color(QPalette::Window);
        int page = 0;
        for (int y = corner.top(); y <= corner.bottom(); ++y)
            for (int x = corner.left(); x <= corner.right(); ++x)
                page += desk.pixelColor(x, y) != window;
        EXPECT_EQ(page, 0) << Status();
    }
}

// A resize keeps page and zoom and scrolls back to the corner; the desk ends
// above the status bar with its scroll bar whole in view, and too small a
// window keeps its last layout. Fit width then fills the desk beside the
// scroll bar; fit page is smaller.
TEST_F(Navigation, AResizeLaysTheDeskOutAndTheZoomFitsIt) {
    Key(Qt::Key_PageDown);
    Menu().GOR_01_02->trigger();
    W().Desk().VScroll()->setValue(2000);
    W().resize(700, 420);
    QApplication::processEvents();
    const auto bottom = [this](const QWidget* w) {
        return w->mapTo(&W(), QPoint(0, w->height())).y();
    };
    EXPECT_EQ(W().Desk().VScroll()->value(), 0);
    EXPECT_EQ(Status(), "Sayfa 2 / 4 %75");
    EXPECT_NEAR(W().Status().geometry().top() - bottom(W().Desk().Zemin()), 260.0 / 15, 1);
    EXPECT_LE(bottom(W().Desk().HScroll()), bottom(W().Desk().Zemin()));
    Menu().FitWidth->trigger();
    const float width = W().ZoomFactor();
    const int paper = PixelsFromTwips(W().Desk().Layout().Line3X + 200);
    const int room = W().Desk().Zemin()->width() - W().Desk().VScroll()->width();
    EXPECT_LE(paper, room);
    EXPECT_GE(paper, room - 40);
    Menu().FitPage->trigger();
    EXPECT_LT(W().ZoomFactor(), width);
    EXPECT_TRUE(Menu().FitPage->isChecked());
    const TwipsRect desk = W().Desk().Layout().Zemin;
    W().resize(10, 40);
    QApplication::processEvents();
    EXPECT_EQ(W().Desk().Layout().Zemin, desk);
}

// An unreadable report leaves this one open; one chosen with Ctrl+O or
// dropped on the window takes its place from page 1. Ctrl+W, the toolbar's
// first button and Ctrl+Q each close the window.
TEST_F(Navigation, AnotherReportOpensInPlaceAndAnUnreadableOneKeepsThisOne) {
    MessageBoxCatcher boxes;
    EXPECT_FALSE(W().OpenReport(h.folder.File("yok.txt")));
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(W().Pages().rows.RecordCount(), 200);
    WriteBytes(h.folder.File("diger.txt"), SalesReport(70, "STOK"));
    WriteBytes(h.folder.File("ucuncu.txt"), SalesReport(7, "ÜÇ"));
    Key(Qt::Key_End);
    FileChoice choice(h.folder.Path().string(), "diger.txt");
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Status(), "Sayfa 1 / 2 %100");
    EXPECT_EQ(W().windowTitle(), "STOK-Rapor Görüntüleyici");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(h.folder.File("ucuncu.txt")))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&W(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&W(), &drop);
    EXPECT_EQ(W().Pages().rows.RecordCount(), 7);
    for (const auto& close : {PressKey(Qt::Key_W, Qt::ControlModifier), Press(0),
                              PressKey(Qt::Key_Q, Qt::ControlModifier)}) {
        h.Show();
        close();
        EXPECT_FALSE(W().isVisible());
    }
}

}  // namespace
