#include <gtest/gtest.h>

#include <QAction>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "ViewerHarness.h"
#include "core/Rounding.h"
#include "platform/Twips.h"
#include "viewer/CommandButtons.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"

namespace {
class Navigation : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Open(SalesReport(200)));
        h.Show();
        ASSERT_GE(h.W().PageCount(), 3);
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    }
    FrmTabul& W() { return *h.window; }
    // Keys go where the application sends them: to the widget with the focus.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : h.window.get(), key, modifiers);
    }
    // A green square in the page's top-left margin, until the page is drawn again.
    void MarkCanvas() { W().Canvas()->Target().Box(150, 150, 400, 400, Rgb{0, 255, 0}, true); }
    bool CanvasMarked() {
        return W().Canvas()->Image().pixelColor(QPoint(17, 17)) == QColor(0, 255, 0);
    }
    void ScrollAway() {
        W().Desk().VScroll()->setValue(1500);
        W().Desk().HScroll()->setValue(600);
    }
    ViewerHarness h;
};

// Keys past the first or last page are ignored without drawing; Home and End
// always draw. Keys keep the scroll position.
TEST_F(Navigation, PageKeysStopAtTheBoundsAndHomeAndEndAlwaysRedraw) {
    ScrollAway();
    const int32_t last = h.W().PageCount();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int32_t page;
        bool redraws;
    } steps[] = {
        {Qt::Key_PageUp, {}, 1, false},      {Qt::Key_Home, {}, 1, true},
        {Qt::Key_PageDown, {}, 2, true},     {Qt::Key_PageDown, {}, 3, true},
        {Qt::Key_PageUp, {}, 2, true},       {Qt::Key_End, {}, last, true},
        {Qt::Key_PageDown, {}, last, false}, {Qt::Key_End, {}, last, true},
        {Qt::Key_Home, {}, 1, true},         {Qt::Key_A, {}, 1, false},
        {Qt::Key_Down, {}, 1, false},        {Qt::Key_PageDown, Qt::ShiftModifier, 2, true},
    };
    for (const auto& step : steps) {
        MarkCanvas();
        Key(step.key, step.modifiers);
        EXPECT_EQ(h.W().CurrentPage(), step.page) << QTest::toString(step.key);
        EXPECT_EQ(CanvasMarked(), !step.redraws) << QTest::toString(step.key);
    }
    EXPECT_EQ(W().Desk().Layout().Canvas.top, 400 - 1500);
    EXPECT_EQ(W().Desk().Layout().Canvas.left, 200 - 600);
}

// Menu page and zoom commands bring the page's corner back into view; zoom
// keeps the page and checks its own item only.
TEST_F(Navigation, MenuCommandsReturnToTheCorner) {
    const MainMenu& menu = W().Menu();
    const std::pair<QAction*, float> zoomItems[] = {
        {menu.GOR_01_01, 1.0f}, {menu.GOR_01_02, 0.75f}, {menu.GOR_01_03, 0.5f}};
    const int32_t last = h.W().PageCount();
    const struct {
        QAction* item;
        int32_t page;
        float zoom;
    } commands[] = {
        {menu.GOR_03, 2, 1.0f},     {menu.GOR_01_02, 2, 0.75f},   {menu.GOR_02, 1, 0.75f},
        {menu.GOR_05, last, 0.75f}, {menu.GOR_01_03, last, 0.5f}, {menu.GOR_01_03, last, 0.5f},
        {menu.GOR_04, 1, 0.5f},     {menu.GOR_01_01, 1, 1.0f},    {menu.GOR_02, 1, 1.0f}};
    for (const auto& command : commands) {
        SCOPED_TRACE(command.item->objectName().toStdString());
        ScrollAway();
        MarkCanvas();
        command.item->trigger();
        EXPECT_EQ(h.W().CurrentPage(), command.page);
        EXPECT_EQ(W().ZoomFactor(), command.zoom);
        for (const auto& [item, zoom] : zoomItems)
            EXPECT_EQ(item->isChecked(), zoom == command.zoom);
        EXPECT_EQ(W().Desk().Layout().Canvas.top, 400);
        EXPECT_EQ(W().Desk().Layout().Canvas.left, 200);
        EXPECT_EQ(W().Canvas()->TwipsWidth(), RoundHalfEven(25000 * command.zoom));
        EXPECT_EQ(W().Cetvel()->TwipsWidth(), RoundHalfEven(25000 * command.zoom));
        // The paper's edge stands at the page width times the zoom.
        EXPECT_EQ(W().Desk().Layout().Line3X,
                  RoundHalfEven(h.W().Setup().PageSizeX * command.zoom));
    }
    // The previous-page command on page 1 moved the view but drew nothing.
    EXPECT_TRUE(CanvasMarked());
}

TEST_F(Navigation, ToolbarButtonsAndTheCloseItemRunTheirCommands) {
    const struct {
        int button;
        int32_t page;
        float zoom;
    } clicks[] = {{4, 2, 1.0f}, {3, 1, 1.0f}, {6, 1, 0.75f}, {7, 1, 0.5f}, {5, 1, 1.0f}};
    for (const auto& click : clicks) {
        QTest::mouseClick(W().Toolbar().Button(click.button), Qt::LeftButton);
        EXPECT_EQ(h.W().CurrentPage(), click.page) << click.button;
        EXPECT_EQ(W().ZoomFactor(), click.zoom) << click.button;
    }
    QTest::mouseClick(W().Toolbar().Button(0), Qt::LeftButton);
    EXPECT_FALSE(W().isVisible());
    h.Show();
    W().Menu().DOS_XX->trigger();
    EXPECT_FALSE(W().isVisible());
}

TEST_F(Navigation, ResizePutsTheCanvasAt500AndScrollingBackAt400) {
    W().Desk().VScroll()->setValue(2000);
    W().resize(900, 650);
    QApplication::processEvents();
    EXPECT_EQ(W().Desk().VScroll()->value(), 0);
    EXPECT_EQ(W().Desk().Layout().Canvas.top, 500);

    // The ruler moves with the canvas.
    W().Desk().VScroll()->setValue(1000);
    EXPECT_EQ(W().Desk().Layout().Canvas.top, -600);
    EXPECT_EQ(W().Desk().Layout().Cetvel.top, -810);
    W().Desk().VScroll()->setValue(0);
    EXPECT_EQ(W().Desk().Layout().Canvas.top, 400);
    EXPECT_EQ(W().Canvas()->geometry().topLeft(),
              QPoint(PixelsFromTwips(200), PixelsFromTwips(400)));

    // The page follows the thumb while it is dragged.
    W().Desk().VScroll()->setSliderDown(true);
    W().Desk().VScroll()->setSliderPosition(1200);
    EXPECT_EQ(W().Desk().Layout().Canvas.top, 400 - 1200);
    W().Desk().VScroll()->setSliderDown(false);

    // Too small for the desk: it keeps its last size and nothing is said.
    const TwipsRect desk = W().Desk().Layout().Zemin;
    W().resize(10, 40);
    QApplication::processEvents();
    EXPECT_EQ(W().Desk().Layout().Zemin, desk);
}

}  // namespace
