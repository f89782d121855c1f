#include <gtest/gtest.h>

#include <QAction>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "ViewerHarness.h"
#include "core/Rounding.h"
#include "viewer/CommandButtons.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"
#include "viewer/Twips.h"

namespace {
const QColor Mark(0, 255, 0);

// Paints a green square into the page's top-left margin; the next drawing of
// the page paints over it.
void MarkCanvas(FrmTabul& window) {
    window.Canvas()->Target().Box(150, 150, 400, 400, Rgb{0, 255, 0}, true);
}
bool CanvasMarked(FrmTabul& window) {
    return window.Canvas()->Image().pixelColor(QPoint(17, 17)) == Mark;
}

class Navigation : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Open(SalesReport(200)));
        h.Show();
        ASSERT_GE(h.model.PageCount, 3);
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    }
    FrmTabul& W() { return *h.window; }
    // Keys go where the application sends them: to the widget with the focus.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : h.window.get(), key, modifiers);
    }
    ViewerHarness h;
};

TEST_F(Navigation, PageKeysStopAtTheBounds) {
    const int32_t last = h.model.PageCount;
    const struct {
        Qt::Key key;
        int32_t page;
    } steps[] = {{Qt::Key_PageUp, 1}, {Qt::Key_PageDown, 2}, {Qt::Key_PageDown, 3},
                 {Qt::Key_PageUp, 2}, {Qt::Key_End, last},   {Qt::Key_PageDown, last},
                 {Qt::Key_Home, 1},   {Qt::Key_PageUp, 1},   {Qt::Key_A, 1},
                 {Qt::Key_Down, 1}};
    for (const auto& step : steps) {
        Key(step.key);
        EXPECT_EQ(h.model.CurrentPage, step.page) << QTest::toString(step.key);
    }
    // The shift state does not matter.
    Key(Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(h.model.CurrentPage, 2);
}

TEST_F(Navigation, BoundsAreIgnoredWithoutRedrawingButEndAndHomeAlwaysRedraw) {
    MarkCanvas(W());
    Key(Qt::Key_PageUp);
    EXPECT_TRUE(CanvasMarked(W())) << "Page Up on page 1 draws nothing";
    Key(Qt::Key_Home);
    EXPECT_FALSE(CanvasMarked(W())) << "Home on page 1 draws page 1 again";

    Key(Qt::Key_End);
    MarkCanvas(W());
    Key(Qt::Key_PageDown);
    EXPECT_TRUE(CanvasMarked(W()));
    Key(Qt::Key_End);
    EXPECT_FALSE(CanvasMarked(W()));
}

TEST_F(Navigation, MenuPageCommandsReturnToTheCornerAndKeysKeepTheScroll) {
    W().VScroll()->setValue(1500);
    W().HScroll()->setValue(600);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(h.model.CurrentPage, 2);
    EXPECT_EQ(W().VScroll()->value(), 1500);
    EXPECT_EQ(W().Layout().Canvas.top, 400 - 1500);
    EXPECT_EQ(W().Layout().Canvas.left, 200 - 600);

    const struct {
        QAction* item;
        int32_t page;
    } commands[] = {{W().Menu().GOR_03, 3},
                    {W().Menu().GOR_02, 2},
                    {W().Menu().GOR_05, h.model.PageCount},
                    {W().Menu().GOR_04, 1},
                    {W().Menu().GOR_02, 1}};
    for (const auto& command : commands) {
        W().VScroll()->setValue(1500);
        W().HScroll()->setValue(600);
        MarkCanvas(W());
        command.item->trigger();
        EXPECT_EQ(h.model.CurrentPage, command.page) << command.item->objectName().toStdString();
        EXPECT_EQ(W().VScroll()->value(), 0);
        EXPECT_EQ(W().HScroll()->value(), 0);
        EXPECT_EQ(W().Layout().Canvas.top, 400);
        EXPECT_EQ(W().Layout().Canvas.left, 200);
    }
    // The previous-page command on page 1 moved the view but drew nothing.
    EXPECT_TRUE(CanvasMarked(W()));
}

TEST_F(Navigation, ZoomKeepsThePageAndChecksOneItem) {
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    const MainMenu& menu = W().Menu();
    const struct {
        QAction* item;
        float zoom;
        int32_t width;
    } zooms[] = {{menu.GOR_01_02, 0.75f, 18750},
                 {menu.GOR_01_03, 0.5f, 12500},
                 {menu.GOR_01_03, 0.5f, 12500},
                 {menu.GOR_01_01, 1.0f, 25000}};
    for (const auto& zoom : zooms) {
        W().VScroll()->setValue(900);
        W().HScroll()->setValue(300);
        zoom.item->trigger();
        EXPECT_EQ(h.model.CurrentPage, 3);
        EXPECT_EQ(W().View().ZoomFactor, zoom.zoom);
        for (QAction* item : {menu.GOR_01_01, menu.GOR_01_02, menu.GOR_01_03})
            EXPECT_EQ(item->isChecked(), item == zoom.item) << item->objectName().toStdString();
        EXPECT_EQ(W().VScroll()->value(), 0);
        EXPECT_EQ(W().HScroll()->value(), 0);
        EXPECT_EQ(W().Layout().Canvas.width, zoom.width);
        EXPECT_EQ(W().Canvas()->TwipsWidth(), zoom.width);
        EXPECT_EQ(W().Cetvel()->TwipsWidth(), zoom.width);
        // The paper's edge stands at the page width times the zoom.
        EXPECT_EQ(W().Layout().Line3X, RoundHalfEven(h.model.PageSizeX * zoom.zoom));
    }
}

TEST_F(Navigation, ToolbarButtonsRunTheirCommands) {
    CommandButtons& toolbar = W().Toolbar();
    for (int i = 0; i < CommandButtons::Count; ++i) {
        EXPECT_EQ(toolbar.Button(i)->geometry(),
                  QRect(PixelsFromTwips(CommandButtons::Lefts[static_cast<size_t>(i)]),
                        PixelsFromTwips(120), 25, 25));
        EXPECT_TRUE(toolbar.Button(i)->toolTip().isEmpty());
        EXPECT_TRUE(toolbar.Button(i)->text().isEmpty() ||
                    toolbar.Button(i)->icon().isNull() == false);
    }
    QTest::mouseClick(toolbar.Button(4), Qt::LeftButton);
    EXPECT_EQ(h.model.CurrentPage, 2);
    QTest::mouseClick(toolbar.Button(3), Qt::LeftButton);
    EXPECT_EQ(h.model.CurrentPage, 1);
    QTest::mouseClick(toolbar.Button(6), Qt::LeftButton);
    EXPECT_EQ(W().View().ZoomFactor, 0.75f);
    EXPECT_TRUE(W().Menu().GOR_01_02->isChecked());
    QTest::mouseClick(toolbar.Button(7), Qt::LeftButton);
    EXPECT_EQ(W().View().ZoomFactor, 0.5f);
    QTest::mouseClick(toolbar.Button(5), Qt::LeftButton);
    EXPECT_EQ(W().View().ZoomFactor, 1.0f);
    EXPECT_TRUE(W().Menu().GOR_01_01->isChecked());
    QTest::mouseClick(toolbar.Button(0), Qt::LeftButton);
    EXPECT_FALSE(W().isVisible());
}

TEST_F(Navigation, TheCloseItemClosesTheWindow) {
    W().Menu().DOS_XX->trigger();
    EXPECT_FALSE(W().isVisible());
}

TEST_F(Navigation, ResizeLaysTheDeskOutAndPutsTheCanvasAt500) {
    W().VScroll()->setValue(2000);
    W().resize(900, 650);
    QApplication::processEvents();
    EXPECT_EQ(W().VScroll()->value(), 0);
    EXPECT_EQ(W().Layout().Canvas.top, 500);
    EXPECT_EQ(W().Layout().Canvas.left, 200);
    EXPECT_EQ(W().Layout().Cetvel.top, 290);
    EXPECT_EQ(W().Canvas()->geometry().topLeft(),
              QPoint(PixelsFromTwips(200), PixelsFromTwips(500)));
    EXPECT_EQ(W().Layout().Zemin.width, W().OuterWidthTwips() - 350);
    EXPECT_EQ(W().Layout().Zemin.height, W().OuterHeightTwips() - 1500);
    EXPECT_EQ(W().VScroll()->maximum(),
              std::max(0, h.model.PageSizeY + 1000 - W().Layout().Zemin.height));
    EXPECT_EQ(W().HScroll()->maximum(), 25000 + 1000 - W().Layout().Zemin.width);

    W().VScroll()->setValue(1000);
    EXPECT_EQ(W().Layout().Canvas.top, -600);
    EXPECT_EQ(W().Layout().Cetvel.top, -810);
    W().VScroll()->setValue(0);
    EXPECT_EQ(W().Layout().Canvas.top, 400);
    EXPECT_EQ(W().Layout().Canvas.left, 200);
    EXPECT_EQ(W().Canvas()->geometry().topLeft(),
              QPoint(PixelsFromTwips(200), PixelsFromTwips(400)));

    // Too small for the desk: it keeps its last size and nothing is said.
    const TwipsRect desk = W().Layout().Zemin;
    W().resize(10, 40);
    QApplication::processEvents();
    EXPECT_EQ(W().Layout().Zemin.width, desk.width);
    EXPECT_EQ(W().Layout().Zemin.height, desk.height);
}

TEST_F(Navigation, ThePageFollowsTheThumbWhileItIsDragged) {
    QScrollBar* bar = W().VScroll();
    bar->setSliderDown(true);
    bar->setSliderPosition(1200);
    EXPECT_EQ(W().Layout().Canvas.top, 400 - 1200);
    bar->setSliderDown(false);
}
}  // namespace
