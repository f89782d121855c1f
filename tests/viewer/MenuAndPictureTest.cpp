#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QTest>
#include <map>

#include "ViewerHarness.h"
#include "platform/QtPrinterCatalog.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"
#include "viewer/ToolbarIcons.h"

namespace {
// The page items leave their keys to the window's key handler (a shortcut
// would act a second time); the other commands show their shortcuts.
TEST(MainMenu, ShortcutsAreShownWhereTheyAct) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(5)));
    const std::map<QString, QString> shortcuts = {
        {"OpenReport", "Ctrl+O"}, {"DOS_01_01_01", "Ctrl+S"},  {"DOS_05", "Ctrl+P"},
        {"DOS_XX", "Ctrl+Q"},     {"GOR_01_01", "Ctrl+0"},     {"ZoomIn", "Ctrl++"},
        {"ZoomOut", "Ctrl+-"},    {"GoToPage", "Ctrl+G"},      {"Find", "Ctrl+F"},
        {"FindNext", "F3"},       {"FindPrevious", "Shift+F3"}};
    const QList<QAction*> items = h.window->findChildren<QAction*>();
    EXPECT_GE(items.size(), 28);
    for (const QAction* item : items) {
        const auto wanted = shortcuts.find(item->objectName());
        EXPECT_EQ(item->shortcut().toString(),
                  wanted == shortcuts.end() ? QString() : wanted->second)
            << item->objectName().toStdString();
    }
    EXPECT_EQ(h.W().Menu().GOR_03->text(), QString::fromUtf8("Sonraki Sayfa\tPage Down"));
}

TEST(FrmTabulPicture, TheShownWindowHoldsThePageAndTheRulerMarkers) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(30)));
    h.Show();
    const QImage shot = h.window->grab().toImage();
    // The page: dark text pixels inside the canvas's part of the window.
    const QRect canvas(h.window->Canvas()->mapTo(h.window.get(), QPoint(0, 0)),
                       h.window->Canvas()->size());
    const QRect visible = canvas.intersected(shot.rect());
    int dark = 0;
    for (int y = visible.top(); y <= visible.bottom(); y += 2)
        for (int x = visible.left(); x <= visible.right(); x += 2)
            if (qGray(shot.pixel(x, y)) < 100) ++dark;
    EXPECT_GT(dark, 200);
    // The ruler: black marker outlines.
    const QImage ruler = h.window->Cetvel()->Image();
    int outline = 0;
    for (int y = 0; y < ruler.height(); ++y)
        for (int x = 0; x < ruler.width(); ++x)
            if (ruler.pixelColor(x, y) == Qt::black) ++outline;
    EXPECT_GT(outline, 4 * 10);
}

TEST(FrmTabulPicture, ToolbarPicturesAreDrawnOnATransparentGround) {
    for (int i = 0; i < 8; ++i) {
        const QImage icon = ToolbarIcon(i).toImage();
        ASSERT_EQ(icon.size(), QSize(20, 20));
        EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << i;
        int inked = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) inked += icon.pixelColor(x, y).alpha() > 128;
        EXPECT_GT(inked, 15) << i;
    }
}

// The three zoom labels are drawn in one size: their ink stands equally tall,
// and "%100" fits inside the picture all the same.
TEST(FrmTabulPicture, TheZoomLabelsReadAlike) {
    std::vector<QRect> ink;
    for (int i = 5; i <= 7; ++i) {
        const QImage icon = ToolbarIcon(i).toImage();
        QRect box;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                if (icon.pixelColor(x, y).alpha() > 128) box |= QRect(x, y, 1, 1);
        ink.push_back(box);
    }
    EXPECT_EQ(ink[0].height(), ink[1].height());
    EXPECT_EQ(ink[0].height(), ink[2].height());
    EXPECT_GE(ink[0].height(), 6);
    EXPECT_GT(ink[0].left(), 0);
    EXPECT_LT(ink[0].right(), 19);
    EXPECT_GT(ink[0].width(), ink[1].width());
}

// Activation handed back by one of the program's own forms returns the view to
// 100 %; after a message box it does not. Where a window manager would give
// activation back after the message box, activateWindow plays its part.
TEST(FrmTabulActivate, AFormClosingReturnsToFullSize) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(30)));
    h.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    h.window->Zoom().Zoom50();

    {
        MessageBoxCatcher boxes;
        QMessageBox::information(h.window.get(), QStringLiteral("t"), QStringLiteral("m"));
    }
    h.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    EXPECT_EQ(h.window->ZoomFactor(), 0.5f);

    QDialog form(h.window.get());
    form.setObjectName(QStringLiteral("FrmPageSetup"));
    QTimer::singleShot(50, &form, &QDialog::reject);
    form.exec();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    QApplication::processEvents();
    EXPECT_EQ(h.window->ZoomFactor(), 1.0f);
    EXPECT_TRUE(h.window->Menu().GOR_01_01->isChecked());
}

TEST(QtPrinterCatalog, TheBuiltInPdfPrinterComesLast) {
    QtPrinterCatalog catalog;
    const std::vector<std::string> names = catalog.PrinterNames();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.back(), "PDF");
    EXPECT_EQ(std::count(names.begin(), names.end(), "PDF"), 1);
    EXPECT_FALSE(catalog.DefaultPrinterName().empty());
    const int16_t orientation = catalog.DefaultOrientation();
    EXPECT_TRUE(orientation == 1 || orientation == 2);
}
}  // namespace
