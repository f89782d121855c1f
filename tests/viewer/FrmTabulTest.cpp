#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <filesystem>
#include <set>

#include "ViewerHarness.h"
#include "viewer/FrmTabul.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"

namespace {
TEST(FrmTabulLoad, ShowsPageOneAtFullSizeUnderTheFirstHeaderLine) {
    const struct {
        const char* header;
        const char* caption;
    } cases[] = {{"SATIŞ RAPORU", "SATIŞ RAPORU-Rapor Görüntüleyici"},
                 {"", "-Rapor Görüntüleyici"}};
    for (const auto& c : cases) {
        ViewerHarness h;
        ASSERT_TRUE(h.Open(SalesReport(200, c.header)));
        EXPECT_EQ(h.window->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(h.W().CurrentPage(), 1);
        EXPECT_GT(h.W().PageCount(), 2);
        EXPECT_EQ(h.W().ZoomFactor(), 1.0f);
        // The first printer of the collection, though another is the default.
        EXPECT_EQ(h.W().SelectedPrinter(), "Birinci");
        // No zoom item is checked until the window is first activated.
        const MainMenu& menu = h.window->Menu();
        EXPECT_FALSE(menu.GOR_01_01->isChecked());
        h.Show();
        EXPECT_TRUE(menu.GOR_01_01->isChecked());
        EXPECT_FALSE(menu.GOR_01_02->isChecked() || menu.GOR_01_03->isChecked());
        EXPECT_EQ(h.window->Canvas()->TwipsWidth(), 25000);
        EXPECT_EQ(h.W().Desk().Layout().Canvas.height, h.W().Setup().PageSizeY);
    }
}

// Without a printer, or without a readable report, the window says why and
// ends with a failing status, having read nothing.
TEST(FrmTabulLoad, ALoadThatCannotGoOnSaysWhyAndFails) {
    const QString noPrinter = QString::fromUtf8(
        "Tabulon Sayfa ayarlarını belirleyebilmek için sisteminizde tanımlı en az 1 adet yazıcı "
        "ister.\nLütfen Denetim Masası\\Yazıcılar seçeneğini kullanarak yazıcı tanımlayın");
    const QString unreadable = QString::fromUtf8("Rapor dosyası açılamadı:\n");
    const struct {
        bool printers;
        const char* file;  // written with a report unless empty
        const char* path;
    } cases[] = {{false, "rapor.txt", "rapor.txt"},
                 {true, "", "yok.txt"},
                 {true, "", ""},
                 {true, "", "/dev/zero"}};
    for (const auto& c : cases) {
        ViewerHarness h;
        if (!c.printers) h.printers.names.clear();
        if (*c.file) WriteBytes(h.folder.File(c.file), SalesReport(10));
        const std::string path = *c.path == '/' ? c.path
                                 : *c.path      ? h.folder.File(c.path)
                                                : std::string();
        MessageBoxCatcher boxes;
        EXPECT_FALSE(h.OpenPath(path)) << c.path;
        EXPECT_NE(h.window->ExitStatus(), 0);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].title, QString::fromUtf8("Vornak Yazılım"));
        EXPECT_EQ(boxes.shown[0].text,
                  c.printers ? unreadable + QString::fromStdString(path) : noPrinter);
        EXPECT_EQ(h.Pages().rows.RecordCount(), 0);
        EXPECT_TRUE(h.Pages().layout.HeaderLines[1].empty());
    }
}

// The rows live in a working file without a name, so nothing of them shows in
// the temporary folder, and nothing is left there however the program ends.
TEST(FrmTabulLoad, TheWorkingFileHasNoName) {
    ViewerHarness h;
    const auto names = [] {
        std::set<std::string> found;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
            found.insert(entry.path().filename().string());
        return found;
    };
    const std::set<std::string> before = names();
    ASSERT_TRUE(h.Open(SalesReport(20)));
    EXPECT_EQ(names(), before);
    EXPECT_EQ(h.Pages().rows.RecordCount(), 20);
}

TEST(FrmTabulLoad, AReportWithoutRowsOpensAndEveryPageKeyDrawsWithoutComplaint) {
    ViewerHarness h;
    MessageBoxCatcher boxes;
    EXPECT_TRUE(h.Open(SalesReport(0)));
    h.Show();
    for (Qt::Key key : {Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End})
        QTest::keyClick(h.window.get(), key);
    EXPECT_TRUE(boxes.shown.empty());
}

// Drawing the page must not take the hourglass away from a running command.
TEST(FrmTabulBusy, TheHourglassStaysUntilTheCommandShowingItEnds) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(10)));
    h.window->SetBusy(true);
    h.window->RenderOnCanvas();
    EXPECT_EQ(h.window->cursor().shape(), Qt::WaitCursor);
    h.window->SetBusy(false);
    EXPECT_EQ(h.window->cursor().shape(), Qt::ArrowCursor);
}
// The working file losing its rows under the window (a disk gone bad) is
// said in Turkish, once while it stays so, never taken for an empty page.
TEST(FrmTabulLoad, AWorkingFileThatCannotBeReadIsSaid) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(200)));
    h.Show();
    // The nameless working file is reached through the descriptor the window holds.
    std::string held;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
        if (target.find(std::filesystem::temp_directory_path().string()) == 0 &&
            target.find("(deleted)") != std::string::npos)
            held = fd.path().string();
    }
    ASSERT_NE(held, "");
    std::filesystem::resize_file(held, 512);
    MessageBoxCatcher boxes;
    QTest::keyClick(h.window.get(), Qt::Key_End);
    QTest::keyClick(h.window.get(), Qt::Key_Home);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.startsWith(QString::fromUtf8("Çalışma dosyası okunamadı:\n")))
        << boxes.shown[0].text.toStdString();
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Critical);
    h.W().MeasureOnCanvas();  // the count of pages after a dialog reads every row
    EXPECT_EQ(boxes.shown.size(), 1u);
}
}  // namespace
