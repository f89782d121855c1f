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
#include "core/WorkFilePrefix.h"
#include "input/RowStore.h"
#include "viewer/JoinArguments.h"
#include "viewer/PictureBox.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

namespace {

// Without a readable report, without room for its working file in the
// temporary folder, or without a printer, the window says why (the path and
// the system's reason) and ends with the failure's own status, having read
// nothing.
TEST(FrmTabul, ALoadThatCannotGoOnSaysWhyAndFails) {
    ViewerHarness h;
    const std::string report = h.folder.File("rapor.txt");
    WriteBytes(report, SalesReport(200));
    h.room = 1000;
    const std::string unopened = "Rapor dosyası açılamadı:\n";
    const std::tuple<std::string, std::string, int> cases[] = {
        {h.folder.File("yok.txt"),
         unopened + h.folder.File("yok.txt") + "\n" + std::strerror(ENOENT), 2},
        {"/dev/zero", unopened + "/dev/zero\n" + std::strerror(ENODEV), 2},
        {report,
         "Geçici klasörde rapor için yeterli yer yok:\n" +
             RowStore::FolderOf(RowStorePath(WorkFilePrefix().prefix)) +
             "\nRaporun çalışma dosyası için 100 KB gerekiyor, boş yer 1000 bayt.",
         7},
        {report,
         "Tabulon Sayfa ayarlarını belirleyebilmek için sisteminizde tanımlı en az 1 adet yazıcı "
         "ister.\nLütfen Denetim Masası\\Yazıcılar seçeneğini kullanarak yazıcı tanımlayın",
         1},
    };
    for (const auto& [path, said, status] : cases) {
        SCOPED_TRACE(path);
        if (status == 1) h.printers.names.clear();  // the last: the printers go
        MessageBoxCatcher boxes;
        EXPECT_FALSE(h.OpenPath(path));
        EXPECT_EQ(h.W().ExitStatus(), status);
        EXPECT_EQ(boxes.shown, std::vector<std::string>{"Vornak Yazılım [critical] " + said});
        EXPECT_EQ(h.Pages().rows.RecordCount(), 0);
        EXPECT_TRUE(h.Pages().layout.HeaderLines[1].empty());
    }
}

// The nameless working file losing its rows under the window (a disk gone
// bad) is said once while it stays so, never taken for an empty page.
TEST_F(ShownViewer, AWorkingFileThatCannotBeReadIsSaidOnce) {
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
        if (target.starts_with(std::filesystem::temp_directory_path().string()) &&
            target.ends_with("(deleted)"))
            std::filesystem::resize_file(fd.path(), 512);
    }
    MessageBoxCatcher boxes;
    for (Qt::Key key : {Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home})
        QTest::keyClick(&W(), key);
    W().MeasureOnCanvas();  // the count of pages after a dialog reads every row
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(
        boxes.shown[0].starts_with("Vornak Yazılım [critical] Çalışma dosyası okunamadı:\n"));
}

// Page 1 at 100 % on the first printer listed; no zoom item is checked until
// the window is first activated, and the shown window holds the page's text.
// Settings that could not be used are said once, in the status bar, with
// where the old ones went; the page is the fresh installation's.
TEST(FrmTabul, OpensOnPageOneAndSaysOnceThatTheSettingsWereReset) {
    ViewerHarness h;
    h.settings.SetValue(SettingsKeyPath, "FontSize", "0");
    ASSERT_TRUE(h.Open(SalesReport(200)));
    EXPECT_EQ(h.W().Setup(), DefaultPageSetup(1));
    EXPECT_EQ(h.W().Status().NoteText(),
              "Sayfa ayarları kullanılamadı, ilk kurulumun ayarları yüklendi; eski ayarlar: "
              "Tabulon.conf.bozuk");
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
    ASSERT_TRUE(h.OpenPath(h.folder.File("rapor.txt")));
    EXPECT_EQ(h.W().Status().NoteText(), "");
}

// The report's path is everything after the program's name, joined by single
// spaces; the desktop entry's "--desktop" in front only says where it came from.
TEST(JoinArguments, TheArgumentsAfterTheProgramJoinedBySingleSpaces) {
    const std::tuple<std::vector<const char*>, std::string, bool> cases[] = {
        {{"tabulon"}, "", false},
        {{"tabulon", "a  b", "", "\"c\""}, "a  b  \"c\"", false},
        {{"tabulon", "--desktop", "/tmp/Satış", "Raporu.txt"}, "/tmp/Satış Raporu.txt", true},
        {{"tabulon", "/tmp/x", "--desktop"}, "/tmp/x --desktop", false},
    };
    for (const auto& [argv, reportPath, fromDesktop] : cases) {
        const StartArguments read = ReadStartArguments(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(read.reportPath, reportPath);
        EXPECT_EQ(read.fromDesktop, fromDesktop);
    }
}

// Started from the desktop without a report, the window asks for one in the
// file chooser; closing the chooser ends the program quietly, and a report
// named on the command line is opened without asking.
TEST(FrmTabul, AStartFromTheDesktopWithoutAReportOffersTheFileChooser) {
    for (const auto& [given, chosen, started] :
         {std::tuple{"", "rapor.txt", true}, {"", "", false}, {"rapor.txt", "", true}}) {
        ViewerHarness h;
        WriteBytes(h.folder.File("rapor.txt"), SalesReport(10, "MASAÜSTÜ"));
        MessageBoxCatcher boxes;
        FileChoice choice(h.folder.Path().string(), QString::fromUtf8(chosen));
        EXPECT_EQ(h.OpenPath(*given ? h.folder.File(given) : "", true), started) << given;
        EXPECT_EQ(choice.asked.starts_with("Rapor Aç|"), !*given) << choice.asked;
        EXPECT_EQ(h.W().ExitStatus(), 0);
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_EQ(h.Pages().rows.RecordCount(), started ? 10 : 0) << given;
    }
}

}  // namespace

// Within every menu each item has an underlined letter, and no two items
// share one (by Turkish case rules).
TEST_F(ShownViewer, EveryMenuHasALetterOfItsOwn) {
    const auto letters = [](const QList<QAction*>& actions) {
        std::set<std::string> seen;
        int items = 0;
        for (const QAction* action : actions) {
            if (action->isSeparator() || !action->isVisible()) continue;
            const QString text = action->text();
            const qsizetype amp = text.indexOf('&');
            EXPECT_TRUE(amp >= 0 && amp + 1 < text.size()) << text.toStdString();
            seen.insert(FoldTurkishCase(text.mid(amp + 1, 1).toStdString()));
            ++items;
        }
        EXPECT_EQ(seen.size(), static_cast<size_t>(items));
    };
    letters(W().menuBar()->actions());
    const QList<QMenu*> menus = W().menuBar()->findChildren<QMenu*>();
    for (const QMenu* menu : menus) letters(menu->actions());
    EXPECT_GE(menus.size(), 5);
}
