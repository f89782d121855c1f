#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "ViewerHarness.h"
#include "dialogs/ModalWatcher.h"
#include "viewer/CommandButtons.h"
#include "viewer/MainMenu.h"
#include "viewer/ViewerStatusBar.h"

namespace {
class StatusBar : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Open(SalesReport(200)));
        h.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
        ASSERT_GE(h.W().PageCount(), 3);
    }

    FrmTabul& W() { return *h.window; }
    void Key(Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : h.window.get(), key);
    }
    void Button(int index) { QTest::mouseClick(W().Toolbar().Button(index), Qt::LeftButton); }
    ViewerHarness h;
};

// The bar follows the page and the zoom through every way of changing them;
// a resize changes neither.
TEST_F(StatusBar, ShowsThePageShownAndTheZoom) {
    const int last = h.W().PageCount();
    const struct {
        const char* what;
        std::function<void()> act;
        int page;
        const char* zoom;
    } steps[] = {
        {"opened", [] {}, 1, "%100"},
        {"Page Down", [&] { Key(Qt::Key_PageDown); }, 2, "%100"},
        {"End", [&] { Key(Qt::Key_End); }, last, "%100"},
        {"%75 button", [&] { Button(6); }, last, "%75"},
        {"previous button", [&] { Button(3); }, last - 1, "%75"},
        {"%50 item", [&] { W().Menu().GOR_01_03->trigger(); }, last - 1, "%50"},
        {"resize",
         [&] {
             W().resize(900, 640);
             QApplication::processEvents();
         },
         last - 1, "%50"},
        {"cancelled export",
         [&] {
             ModalWatcher cancel([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
             W().Menu().DOS_01_02->trigger();
         },
         1, "%50"},
        {"Home after next",
         [&] {
             Button(4);
             Key(Qt::Key_Home);
         },
         1, "%50"},
        {"%100 button", [&] { Button(5); }, 1, "%100"},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(W().Status().PageText(), QStringLiteral("Sayfa %1 / %2").arg(step.page).arg(last))
            << step.what;
        EXPECT_EQ(W().Status().ZoomText(), QString::fromLatin1(step.zoom)) << step.what;
    }
}

// The desk ends as far above the status bar as it would above the window's
// bottom edge, so the horizontal scroll bar stays whole in view.
TEST_F(StatusBar, TheDeskEndsAboveIt) {
    for (const QSize size : {QSize(1000, 700), QSize(700, 420)}) {
        W().resize(size);
        QApplication::processEvents();
        const int statusTop = W().Status().geometry().top();
        const QRect desk(W().Desk().Zemin()->mapTo(&W(), QPoint(0, 0)), W().Desk().Zemin()->size());
        const QRect bar(W().Desk().HScroll()->mapTo(&W(), QPoint(0, 0)),
                        W().Desk().HScroll()->size());
        EXPECT_NEAR(statusTop - (desk.bottom() + 1), 260 / 15, 1) << size.height();
        EXPECT_LE(bar.bottom(), desk.bottom());
        EXPECT_TRUE(W().Status().isVisible());
    }
}
}  // namespace
