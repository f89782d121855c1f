#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

#include "ViewerHarness.h"
#include "core/SettingsStore.h"
#include "core/TurkishCase.h"
#include "viewer/JoinArguments.h"
#include "viewer/PictureBox.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

namespace {

// Page 1 at 100 % under the first header line, on the first printer listed;
// no zoom item is checked until the window is first activated, and the shown
// window holds the page's dark text.
TEST(FrmTabul, OpensOnPageOneAtFullSizeUnderTheFirstHeaderLine) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(200)));
    EXPECT_EQ(h.Pages().rows.RecordCount(), 200);
    EXPECT_EQ(h.W().windowTitle(), "SATIŞ RAPORU-Rapor Görüntüleyici");
    EXPECT_EQ(h.W().CurrentPage(), 1);
    EXPECT_EQ(h.W().ZoomFactor(), 1.0f);
    EXPECT_EQ(h.W().SelectedPrinter(), "Birinci");
    EXPECT_FALSE(h.W().Menu().GOR_01_01->isChecked());
    h.Show();
    EXPECT_TRUE(h.W().Menu().GOR_01_01->isChecked());
    EXPECT_EQ(h.W().Desk().Layout().Canvas.height, h.W().Setup().PageSizeY);
    const QImage shown = h.W().Canvas()->grab().toImage();
    int dark = 0;
    for (int i = 0; i < shown.width() * shown.height(); ++i)
        dark += shown.pixelColor(i % shown.width(), i / shown.width()).lightness() < 100;
    EXPECT_GT(dark, 800);
}

// Without a printer, or without a readable report, the window says why (the
// path and the system's reason) and ends with a failing status, having read
// nothing.
TEST(FrmTabul, ALoadThatCannotGoOnSaysWhyAndFails) {
    for (const char* path : {"", "yok.txt", "/dev/zero"}) {
        ViewerHarness h;
        WriteBytes(h.folder.File("rapor.txt"), SalesReport(10));
        if (!*path) h.printers.names.clear();
        const std::string opened = *path == '/' ? path : h.folder.File(*path ? path : "rapor.txt");
        MessageBoxCatcher boxes;
        EXPECT_FALSE(h.OpenPath(opened)) << path;
        EXPECT_NE(h.W().ExitStatus(), 0);
        EXPECT_EQ(boxes.shown,
                  std::vector<std::string>{
                      "Vornak Yazılım [critical] " +
                      (*path ? "Rapor dosyası açılamadı:\n" + opened + "\n" +
                                   std::strerror(*path == '/' ? ENODEV : ENOENT)
                             : "Tabulon Sayfa ayarlarını belirleyebilmek için sisteminizde tanımlı "
                               "en az 1 adet yazıcı ister.\nLütfen Denetim Masası\\Yazıcılar "
                               "seçeneğini kullanarak yazıcı tanımlayın")});
        EXPECT_EQ(h.Pages().rows.RecordCount(), 0);
        EXPECT_TRUE(h.Pages().layout.HeaderLines[1].empty());
    }
}

// A report without rows takes every page key without complaint; the nameless
// working file losing its rows under the window (a disk gone bad) is said
// once while it stays so, never taken for an empty page.
TEST(FrmTabul, AWorkingFileThatCannotBeReadIsSaidOnce) {
    for (int rows : {0, 200}) {
        ViewerHarness h;
        ASSERT_TRUE(h.Open(SalesReport(rows)));
        h.Show();
        for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
            std::error_code error;
            const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
            if (rows && target.starts_with(std::filesystem::temp_directory_path().string()) &&
                target.ends_with("(deleted)"))
                std::filesystem::resize_file(fd.path(), 512);
        }
        MessageBoxCatcher boxes;
        for (Qt::Key key : {Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home})
            QTest::keyClick(&h.W(), key);
        h.W().MeasureOnCanvas();  // the count of pages after a dialog reads every row
        ASSERT_EQ(boxes.shown.size(), rows ? 1u : 0u);
        if (rows) {
            EXPECT_TRUE(boxes.shown[0].starts_with(
                "Vornak Yazılım [critical] Çalışma dosyası okunamadı:\n"));
        }
    }
}

// Settings that could not be used are said once, in the status bar, with
// where the old ones went; the page is the fresh installation's.
TEST(FrmTabul, SettingsResetIsSaidOnceWithWhereTheOldOnesWent) {
    ViewerHarness h;
    h.settings.SetValue(SettingsKeyPath, "FontSize", "0");
    ASSERT_TRUE(h.Open(SalesReport(10)));
    EXPECT_EQ(h.W().Setup(), DefaultPageSetup(1));
    EXPECT_EQ(h.W().Status().NoteText(),
              "Sayfa ayarları kullanılamadı, ilk kurulumun ayarları yüklendi; eski ayarlar: "
              "Tabulon.conf.bozuk");
    ASSERT_TRUE(h.OpenPath(h.folder.File("rapor.txt")));
    EXPECT_EQ(h.W().Status().NoteText(), "");
}

// The report's path is everything after the program's name, joined by single
// spaces; the desktop entry's "--desktop" in front only says where it came from.
TEST(JoinArguments, TheArgumentsAfterTheProgramJoinedBySingleSpaces) {
    struct Case {
        std::vector<const char*> argv;
        std::string reportPath;
        bool fromDesktop;
    };
    for (const auto& [argv, reportPath, fromDesktop] : std::vector<Case>{
             {{"tabulon"}, "", false},
             {{"tabulon", "/tmp/Satış", "Raporları/kasım.txt"},
              "/tmp/Satış Raporları/kasım.txt",
              false},
             {{"tabulon", "a  b", "", "c"}, "a  b  c", false},
             {{"tabulon", "\"/tmp/rapor.txt\""}, "\"/tmp/rapor.txt\"", false},
             {{"tabulon", "--desktop"}, "", true},
             {{"tabulon", "--desktop", "/tmp/Satış", "Raporu.txt"}, "/tmp/Satış Raporu.txt", true},
             {{"tabulon", "/tmp/x", "--desktop"}, "/tmp/x --desktop", false}}) {
        const StartArguments read = ReadStartArguments(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(read.reportPath, reportPath);
        EXPECT_EQ(read.fromDesktop, fromDesktop);
    }
}

// Started from the desktop without a report, the window asks for one in the
// file chooser; closing the chooser ends the program quietly, and a report
// named on the command line is opened without asking.
TEST(FrmTabul, AStartFromTheDesktopWithoutAReportOffersTheFileChooser) {
    struct Case {
        const char* given;
        const char* chosen;
        bool started;
    };
    for (const auto& [given, chosen, started] :
         std::vector<Case>{{"", "rapor.txt", true}, {"", "", false}, {"rapor.txt", "", true}}) {
        ViewerHarness h;
        WriteBytes(h.folder.File("rapor.txt"), SalesReport(10, "MASAÜSTÜ"));
        MessageBoxCatcher boxes;
        FileChoice choice(h.folder.Path().string(), QString::fromUtf8(chosen));
        EXPECT_EQ(h.OpenPath(*given ? h.folder.File(given) : "", true), started) << given;
        EXPECT_EQ(choice.answer.Fired(), !*given) << given;
        if (!*given) {
            EXPECT_TRUE(choice.asked.starts_with("Rapor Aç|")) << choice.asked;
        }
        EXPECT_EQ(h.W().ExitStatus(), 0);
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_EQ(h.Pages().rows.RecordCount(), started ? 10 : 0) << given;
    }
}

}  // namespace

namespace {

// The letters a menu's items are reached by, folded by Turkish case rules;
// an item without one gives '?'.
std::vector<QString> Mnemonics(const QList<QAction*>& actions) {
    std::vector<QString> letters;
    for (const QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible()) continue;
        const QString text = action->text();
        const qsizetype amp = text.indexOf('&');
        letters.push_back(
            amp < 0 || amp + 1 >= text.size()
                ? QStringLiteral("?")
                : QString::fromStdString(FoldTurkishCase(text.mid(amp + 1, 1).toStdString())));
    }
    return letters;
}

}  // namespace

// Every menu opens with Alt and its underlined letter, and within a menu no
// two items share a letter.
TEST_F(ShownViewer, EveryMenuHasALetterOfItsOwn) {
    std::vector<const QMenu*> menus;
    std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
        const std::vector<QString> letters = Mnemonics(actions);
        EXPECT_EQ(std::count(letters.begin(), letters.end(), QStringLiteral("?")), 0);
        EXPECT_EQ(std::set<QString>(letters.begin(), letters.end()).size(), letters.size());
        for (const QAction* action : actions)
            if (action->menu()) {
                menus.push_back(action->menu());
                walk(action->menu()->actions());
            }
    };
    walk(W().menuBar()->actions());
    EXPECT_GE(menus.size(), 5u);
    for (const auto& [key, menu] : std::vector<std::pair<Qt::Key, const QMenu*>>{
             {Qt::Key_D, Menu().DOS_00}, {Qt::Key_Z, Menu().DUZ_00}, {Qt::Key_G, Menu().GOR_00}}) {
        QTest::keyClick(&W(), key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000))
            << menu->title().toStdString();
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(W().menuBar(), Qt::Key_Escape);
    }
}
