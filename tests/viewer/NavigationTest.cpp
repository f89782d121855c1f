#include <gtest/gtest.h>

#include <QAction>
#include <QScrollBar>
#include <QSpinBox>

#include "ViewerHarness.h"
#include "core/Rounding.h"
#include "platform/Twips.h"
#include "viewer/GoToPageDialog.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"
#include "viewer/ViewerStatusBar.h"

namespace {

class Navigation : public ShownViewer {
  protected:
    // A green square in the page's top-left margin, until the page is drawn again.
    void MarkCanvas() { W().Canvas()->Target().Box(150, 150, 400, 400, Rgb{0, 255, 0}, true); }
    bool CanvasMarked() {
        return W().Canvas()->Image().pixelColor(QPoint(17, 17)) == QColor(0, 255, 0);
    }
    void ScrollAway() {
        W().Desk().VScroll()->setValue(1500);
        W().Desk().HScroll()->setValue(600);
    }
    const TwipsRect& Canvas() { return W().Desk().Layout().Canvas; }
    // The status bar tells the page shown and the zoom.
    void ExpectStatus(int32_t page, const char* zoom) {
        EXPECT_EQ(W().Status().PageText(),
                  QStringLiteral("Sayfa %1 / %2").arg(page).arg(W().PageCount()));
        EXPECT_EQ(W().Status().ZoomText(), QString::fromLatin1(zoom));
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
};

// Keys past the first or last page are ignored without drawing; Home and End
// always draw. Keys, whatever the modifiers, keep the scroll position.
TEST_F(Navigation, PageKeysStopAtTheBoundsAndHomeAndEndAlwaysRedraw) {
    ScrollAway();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int32_t page;
        bool redraws;
    } steps[] = {
        {Qt::Key_PageUp, {}, 1, false},   {Qt::Key_Home, {}, 1, true},
        {Qt::Key_PageDown, {}, 2, true},  {Qt::Key_PageDown, {}, 3, true},
        {Qt::Key_PageUp, {}, 2, true},    {Qt::Key_End, {}, 4, true},
        {Qt::Key_PageDown, {}, 4, false}, {Qt::Key_End, {}, 4, true},
        {Qt::Key_Home, {}, 1, true},      {Qt::Key_A, {}, 1, false},
        {Qt::Key_Down, {}, 1, false},     {Qt::Key_PageDown, Qt::ShiftModifier, 2, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(QTest::toString(step.key));
        MarkCanvas();
        Key(step.key, step.modifiers);
        EXPECT_EQ(W().CurrentPage(), step.page);
        EXPECT_EQ(CanvasMarked(), !step.redraws);
        ExpectStatus(step.page, "%100");
    }
    EXPECT_EQ(Canvas().top, 400 - 1500);
    EXPECT_EQ(Canvas().left, 200 - 600);
}

// Menu and toolbar page and zoom commands bring the page's corner back into
// view; zoom keeps the page, checks its own item only and scales the canvas,
// the ruler and the paper's edge.
TEST_F(Navigation, MenuAndToolbarCommandsReturnToTheCorner) {
    const MainMenu& menu = W().Menu();
    const std::pair<QAction*, float> zoomItems[] = {
        {menu.GOR_01_01, 1.0f}, {menu.GOR_01_02, 0.75f}, {menu.GOR_01_03, 0.5f}};
    const struct {
        std::function<void()> command;
        int32_t page;
        float zoom;
        const char* shown;
    } commands[] = {
        {[&] { menu.GOR_03->trigger(); }, 2, 1.0f, "%100"},
        {[&] { menu.GOR_01_02->trigger(); }, 2, 0.75f, "%75"},
        {[&] { menu.GOR_02->trigger(); }, 1, 0.75f, "%75"},
        {[&] { menu.GOR_05->trigger(); }, 4, 0.75f, "%75"},
        {[&] { menu.GOR_01_03->trigger(); }, 4, 0.5f, "%50"},
        {[&] { menu.GOR_01_03->trigger(); }, 4, 0.5f, "%50"},  // stays checked
        {[&] { menu.GOR_04->trigger(); }, 1, 0.5f, "%50"},
        {[&] { menu.GOR_01_01->trigger(); }, 1, 1.0f, "%100"},
        {[&] { Click(4); }, 2, 1.0f, "%100"},
        {[&] { Click(6); }, 2, 0.75f, "%75"},
        {[&] { Click(3); }, 1, 0.75f, "%75"},
        {[&] { Click(7); }, 1, 0.5f, "%50"},
        {[&] { Click(5); }, 1, 1.0f, "%100"},
        // The previous page on page 1 moves the view but draws nothing.
        {[&] { menu.GOR_02->trigger(); }, 1, 1.0f, "%100"},
    };
    for (size_t i = 0; i < std::size(commands); ++i) {
        const auto& c = commands[i];
        SCOPED_TRACE(i);
        ScrollAway();
        MarkCanvas();
        c.command();
        EXPECT_EQ(W().CurrentPage(), c.page);
        EXPECT_EQ(W().ZoomFactor(), c.zoom);
        ExpectStatus(c.page, c.shown);
        for (const auto& [item, zoom] : zoomItems) EXPECT_EQ(item->isChecked(), zoom == c.zoom);
        EXPECT_EQ(Canvas().top, 400);
        EXPECT_EQ(Canvas().left, 200);
        EXPECT_EQ(W().Canvas()->TwipsWidth(), RoundHalfEven(25000 * c.zoom));
        EXPECT_EQ(W().Cetvel()->TwipsWidth(), RoundHalfEven(25000 * c.zoom));
        EXPECT_EQ(W().Desk().Layout().Line3X, RoundHalfEven(W().Setup().PageSizeX * c.zoom));
    }
    EXPECT_TRUE(CanvasMarked());
    Click(0);
    EXPECT_FALSE(W().isVisible());
    h.Show();
    menu.DOS_XX->trigger();
    EXPECT_FALSE(W().isVisible());
}

// A resize puts the canvas at 500 and scrolling it back at 400, and changes
// neither page nor zoom; the ruler moves with the canvas and the page follows
// the thumb while it is dragged. The desk ends as far above the status bar as
// it would above the window's bottom edge, so the horizontal scroll bar stays
// whole in view. Too small for the desk, the window keeps its last layout.
TEST_F(Navigation, AResizeLaysTheDeskOutAboveTheStatusBar) {
    Key(Qt::Key_PageDown);
    W().Menu().GOR_01_02->trigger();
    QScrollBar* bar = W().Desk().VScroll();
    bar->setValue(2000);
    for (const QSize size : {QSize(900, 650), QSize(700, 420)}) {
        W().resize(size);
        QApplication::processEvents();
        EXPECT_EQ(bar->value(), 0);
        EXPECT_EQ(Canvas().top, 500);
        ExpectStatus(2, "%75");
        EXPECT_TRUE(W().Status().isVisible());
        const QWidget* desk = W().Desk().Zemin();
        const int deskBottom = desk->mapTo(&W(), QPoint(0, desk->height())).y();
        EXPECT_NEAR(W().Status().geometry().top() - deskBottom, 260 / 15, 1) << size.height();
        const QWidget* across = W().Desk().HScroll();
        EXPECT_LE(across->mapTo(&W(), QPoint(0, across->height())).y(), deskBottom);
    }
    bar->setValue(1000);
    EXPECT_EQ(Canvas().top, -600);
    EXPECT_EQ(W().Desk().Layout().Cetvel.top, -810);
    bar->setValue(0);
    EXPECT_EQ(Canvas().top, 400);
    bar->setSliderDown(true);
    bar->setSliderPosition(1200);
    EXPECT_EQ(Canvas().top, 400 - 1200);
    bar->setSliderDown(false);
    const TwipsRect desk = W().Desk().Layout().Zemin;
    W().resize(10, 40);
    QApplication::processEvents();
    EXPECT_EQ(W().Desk().Layout().Zemin, desk);
}

// Ctrl+G asks for a page within the report's pages and goes there from its
// corner; Escape stays where the view was.
TEST_F(Navigation, CtrlGGoesToTheChosenPageFromItsCorner) {
    const struct {
        const char* typed;
        Qt::Key key;
        int32_t page;
    } cases[] = {{"2", Qt::Key_Return, 2}, {"3", Qt::Key_Escape, 2}, {"999", Qt::Key_Return, 2}};
    for (const auto& c : cases) {
        W().Desk().VScroll()->setValue(900);
        OnModal<GoToPageDialog> answer([&](GoToPageDialog* dialog) {
            dialog->PageBox()->selectAll();
            QTest::keyClicks(dialog->PageBox(), QString::fromLatin1(c.typed));
            QTest::keyClick(dialog->PageBox(), c.key);
        });
        Key(Qt::Key_G, Qt::ControlModifier);
        EXPECT_TRUE(answer.Fired());
        EXPECT_EQ(W().CurrentPage(), c.page) << c.typed;
        EXPECT_EQ(W().Desk().VScroll()->value(), c.key == Qt::Key_Return ? 0 : 900);
        ExpectStatus(c.page, "%100");
    }
}

// The fitted zooms fill the desk; Ctrl+plus, Ctrl+minus and Ctrl+wheel step
// through 50, 75, 100, 125, 150 and 200 %, Ctrl+0 is 100 %.
TEST_F(Navigation, ZoomFitsAndStepsByMenuKeysAndWheel) {
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
    const auto ctrl = [this](int key) { return [this, key] { Key(key, Qt::ControlModifier); }; };
    const auto wheel = [this] { Wheel(+1, Qt::ControlModifier); };
    const struct {
        std::function<void()> act;
        const char* zoom;
    } steps[] = {
        {ctrl(Qt::Key_0), "%100"},
        {ctrl(Qt::Key_Plus), "%125"},
        {wheel, "%150"},
        {wheel, "%200"},
        {wheel, "%200"},
        {ctrl(Qt::Key_Minus), "%150"},
        {[&] { W().Menu().GOR_01_03->trigger(); }, "%50"},
        {ctrl(Qt::Key_Minus), "%50"},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(W().Status().ZoomText(), QString::fromLatin1(step.zoom));
    }
    EXPECT_TRUE(W().Menu().GOR_01_03->isChecked());
}

// At a page's bottom the wheel goes on to the next page's top, at its top
// back to the previous page's bottom.
TEST_F(Navigation, TheWheelRunsOnFromPageToPage) {
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

}  // namespace
