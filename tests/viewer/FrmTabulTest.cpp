#include <gtest/gtest.h>

#include <QAction>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "ViewerHarness.h"
#include "viewer/FrmTabul.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"

namespace {
TEST(FrmTabulLoad, ShowsPageOneAtFullSizeUnderTheFirstHeaderLine) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(200)));
    EXPECT_EQ(h.model.CurrentPage, 1);
    EXPECT_GT(h.model.PageCount, 2);
    EXPECT_EQ(h.window->View().ZoomFactor, 1.0f);
    EXPECT_EQ(h.window->windowTitle(), QString::fromUtf8("SATIŞ RAPORU-Rapor Görüntüleyici"));
    // The first printer of the collection, though another is the default.
    EXPECT_EQ(h.model.SelectedPrinter, "Birinci");
    // No zoom item is checked until the window is first activated.
    const MainMenu& menu = h.window->Menu();
    EXPECT_FALSE(menu.GOR_01_01->isChecked());
    EXPECT_FALSE(h.window->Line2Visible());

    h.Show();
    EXPECT_TRUE(menu.GOR_01_01->isChecked());
    EXPECT_FALSE(menu.GOR_01_02->isChecked());
    EXPECT_FALSE(menu.GOR_01_03->isChecked());
    EXPECT_EQ(h.window->HScroll()->value(), 0);
    EXPECT_EQ(h.window->VScroll()->value(), 0);
    EXPECT_EQ(h.window->Layout().Canvas.width, 25000);
    EXPECT_EQ(h.window->Layout().Canvas.height, h.model.PageSizeY);
    EXPECT_EQ(h.window->Canvas()->TwipsWidth(), 25000);
}

TEST(FrmTabulLoad, AnEmptyFirstHeaderLeavesTheCaptionTailAlone) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(3, "")));
    EXPECT_EQ(h.window->windowTitle(), QString::fromUtf8("-Rapor Görüntüleyici"));
}

TEST(FrmTabulLoad, WithoutPrintersSaysSoAndReadsNoReport) {
    ViewerHarness h;
    h.printers.names.clear();
    QString title;
    bool loaded = true;
    const QString text = AnswerMessageBox([&] { loaded = h.Open(SalesReport(10)); }, &title);
    EXPECT_FALSE(loaded);
    EXPECT_NE(h.window->ExitStatus(), 0);
    EXPECT_EQ(title, QString::fromUtf8("Vornak Yazılım"));
    EXPECT_EQ(text, QString::fromUtf8("Tabulon Sayfa ayarlarını belirleyebilmek için sisteminizde "
                                      "tanımlı en az 1 adet yazıcı ister.\nLütfen Denetim "
                                      "Masası\\Yazıcılar seçeneğini kullanarak yazıcı tanımlayın"));
    EXPECT_EQ(h.model.RowCount, 0);
    EXPECT_TRUE(h.model.HeaderLines[1].empty());
}

TEST(FrmTabulLoad, AnUnreadableReportEndsWithTheReasonAndAFailingStatus) {
    const char* paths[] = {"yok.txt", ""};
    for (const char* name : paths) {
        ViewerHarness h;
        const std::string path = *name ? h.folder.File(name) : std::string();
        bool loaded = true;
        const QString text = AnswerMessageBox([&] { loaded = h.OpenPath(path); });
        EXPECT_FALSE(loaded) << name;
        EXPECT_NE(h.window->ExitStatus(), 0);
        EXPECT_EQ(text,
                  QString::fromUtf8("Rapor dosyası açılamadı:\n") + QString::fromStdString(path));
    }
}

TEST(FrmTabulLoad, TheRowStoreGoesWithTheWindow) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(20)));
    const std::string rowStore = h.window->View().rowStorePath;
    EXPECT_TRUE(std::filesystem::exists(rowStore));
    h.window.reset();
    EXPECT_FALSE(std::filesystem::exists(rowStore));
}
}  // namespace

namespace {
TEST(FrmTabulLoad, AReportWithoutRowsOpensWithoutComplaint) {
    ViewerHarness h;
    bool loaded = false;
    const QString text = AnswerMessageBox([&] {
        loaded = h.Open(SalesReport(0));
        h.Show();
        // Whatever the page count of an empty report, every page key draws something.
        for (int16_t key : {35, 33, 34, 36, 35}) h.window->Form_KeyDown(key, 0);
    });
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(text.isEmpty()) << text.toStdString();
}

TEST(FrmTabulBusy, TheHourglassStaysUntilTheLastCommandShowingItEnds) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(10)));
    EXPECT_EQ(h.window->cursor().shape(), Qt::ArrowCursor);
    h.window->SetBusy(true);
    EXPECT_EQ(h.window->cursor().shape(), Qt::WaitCursor);
    h.window->RenderOnCanvas();
    EXPECT_EQ(h.window->cursor().shape(), Qt::WaitCursor);
    h.window->SetBusy(false);
    EXPECT_EQ(h.window->cursor().shape(), Qt::ArrowCursor);
}
}  // namespace
