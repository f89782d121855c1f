#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "ViewerHarness.h"
#include "platform/QtPrinterCatalog.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"
#include "viewer/ToolbarIcons.h"
#include "viewer/Twips.h"

namespace {
TEST(MainMenu, CaptionsAreExactRunsOfSpacesIncluded) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(5)));
    const std::pair<const char*, std::string> items[] = {
        {"DOS_01", "&Farklı Kaydet" + std::string(25, ' ')},
        {"DOS_01_01", "Excel Çalışma Sayfası"},
        {"DOS_01_01_01", "XLS Formatı"},
        {"DOS_01_01_02", "CSV Formatı"},
        {"DOS_01_02", "Metin Dosyası (Virgülle Ayrılmış)"},
        {"DOS_01_03", "Metin Dosyası (Sekmeyle Ayrılmış)"},
        {"DOS_02", "Rapor Başlıkları"},
        {"DOS_04", "Ya&zdırmat Tercihleri"},
        {"DOS_05", "&Yazdır"},
        {"DOS_XX", "Kapa&t"},
        {"GOR_01", "Boyut" + std::string(20, ' ')},
        {"GOR_01_01", "%100"},
        {"GOR_01_02", "%75"},
        {"GOR_01_03", "%50"},
        {"GOR_02", "Önceki Sayfa" + std::string(14, ' ') + "Page Up"},
        {"GOR_03", "Sonraki Sayfa" + std::string(13, ' ') + "Page Down"},
        {"GOR_04", "İlk Sayfa" + std::string(21, ' ') + "Home"},
        {"GOR_05", "Son Sayfa" + std::string(18, ' ') + "End"},
    };
    for (const auto& [name, caption] : items) {
        auto* action = h.window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), QString::fromStdString(caption)) << name;
        // The page keys are the window's own; a shortcut would act twice.
        EXPECT_TRUE(action->shortcut().isEmpty()) << name;
    }
    const QList<QAction*> bar = h.window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), QString::fromUtf8("&Dosya"));
    EXPECT_EQ(bar[1]->text(), QString::fromUtf8("Görünüm"));
    // Separators sit between the groups of the file menu.
    QStringList fileMenu;
    for (QAction* action : h.window->Menu().DOS_00->actions())
        fileMenu << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(fileMenu.join(' '), QStringLiteral("DOS_01 - DOS_02 - DOS_04 DOS_05 - DOS_XX"));
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

// Activation handed back by one of the program's own forms returns the view to
// 100 %; after a message box it does not. Where a window manager would give
// activation back after the message box, activateWindow plays its part.
TEST(FrmTabulActivate, AFormClosingReturnsToFullSize) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(30)));
    h.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    h.window->GOR_01_03_Click();

    {
        MessageBoxCatcher boxes;
        QMessageBox::information(h.window.get(), QStringLiteral("t"), QStringLiteral("m"));
    }
    h.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    EXPECT_EQ(h.window->View().ZoomFactor, 0.5f);

    QDialog form(h.window.get());
    form.setObjectName(QStringLiteral("FrmPageSetup"));
    QTimer::singleShot(50, &form, &QDialog::reject);
    form.exec();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    QApplication::processEvents();
    EXPECT_EQ(h.window->View().ZoomFactor, 1.0f);
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
