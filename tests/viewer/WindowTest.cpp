#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <filesystem>
#include <map>
#include <set>

#include "ViewerHarness.h"
#include "platform/QtPrinterCatalog.h"
#include "viewer/JoinArguments.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"
#include "viewer/ToolbarIcons.h"

namespace {

std::set<std::string> TemporaryFiles() {
    std::set<std::string> found;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
        found.insert(entry.path().filename().string());
    return found;
}

// Page 1 at full size under the first header line, on the first printer of
// the collection though another is the default; no zoom item is checked
// until the window is first activated. The rows live in a working file
// without a name, so nothing of them shows in the temporary folder.
TEST(FrmTabulLoad, ShowsPageOneAtFullSizeUnderTheFirstHeaderLine) {
    ViewerHarness h;
    const std::set<std::string> before = TemporaryFiles();
    ASSERT_TRUE(h.Open(SalesReport(200)));
    EXPECT_EQ(TemporaryFiles(), before);
    EXPECT_EQ(h.Pages().rows.RecordCount(), 200);
    EXPECT_EQ(h.window->windowTitle(), QString::fromUtf8("SATIŞ RAPORU-Rapor Görüntüleyici"));
    EXPECT_EQ(h.W().CurrentPage(), 1);
    EXPECT_EQ(h.W().PageCount(), 4);
    EXPECT_EQ(h.W().ZoomFactor(), 1.0f);
    EXPECT_EQ(h.W().SelectedPrinter(), "Birinci");
    const MainMenu& menu = h.window->Menu();
    EXPECT_FALSE(menu.GOR_01_01->isChecked());
    h.Show();
    EXPECT_TRUE(menu.GOR_01_01->isChecked());
    EXPECT_FALSE(menu.GOR_01_02->isChecked() || menu.GOR_01_03->isChecked());
    EXPECT_EQ(h.W().Desk().Layout().Canvas.height, h.W().Setup().PageSizeY);
}

// Without a printer, or without a readable report, the window says why and
// ends with a failing status, having read nothing.
TEST(FrmTabulLoad, ALoadThatCannotGoOnSaysWhyAndFails) {
    const QString noPrinter = QString::fromUtf8(
        "Tabulon Sayfa ayarlarını belirleyebilmek için sisteminizde tanımlı en az 1 adet yazıcı "
        "ister.\nLütfen Denetim Masası\\Yazıcılar seçeneğini kullanarak yazıcı tanımlayın");
    for (const char* path : {"", "yok.txt", "/dev/zero"}) {
        ViewerHarness h;
        WriteBytes(h.folder.File("rapor.txt"), SalesReport(10));
        if (!*path) h.printers.names.clear();
        const std::string opened = !*path         ? h.folder.File("rapor.txt")
                                   : *path == '/' ? path
                                                  : h.folder.File(path);
        MessageBoxCatcher boxes;
        EXPECT_FALSE(h.OpenPath(opened)) << path;
        EXPECT_NE(h.window->ExitStatus(), 0);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].title, QString::fromUtf8("Vornak Yazılım"));
        EXPECT_EQ(boxes.shown[0].text, *path ? QString::fromUtf8("Rapor dosyası açılamadı:\n") +
                                                   QString::fromStdString(opened)
                                             : noPrinter);
        EXPECT_EQ(h.Pages().rows.RecordCount(), 0);
        EXPECT_TRUE(h.Pages().layout.HeaderLines[1].empty());
    }
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
// said in Turkish, once while it stays so, never taken for an empty page. The
// nameless file is reached through the descriptor the window holds.
TEST(FrmTabulLoad, AWorkingFileThatCannotBeReadIsSaid) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(200)));
    h.Show();
    std::string held;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
        if (target.starts_with(std::filesystem::temp_directory_path().string()) &&
            target.ends_with("(deleted)"))
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

// The page items leave their keys to the window's key handler (a shortcut
// would act a second time) and name them after a tab; the other commands
// show their shortcuts.
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

// The shown window holds the page (dark text inside the canvas) and the
// ruler's black marker outlines.
TEST(FrmTabulPicture, TheShownWindowHoldsThePageAndTheRulerMarkers) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(30)));
    h.Show();
    const auto count = [](const QImage& image, QRect area, auto inked) {
        int n = 0;
        area = area.intersected(image.rect());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += inked(image.pixelColor(x, y));
        return n;
    };
    const QRect canvas(h.window->Canvas()->mapTo(h.window.get(), QPoint(0, 0)),
                       h.window->Canvas()->size());
    EXPECT_GT(
        count(h.window->grab().toImage(), canvas, [](QColor c) { return qGray(c.rgb()) < 100; }),
        800);
    const QImage ruler = h.window->Cetvel()->Image();
    EXPECT_GT(count(ruler, ruler.rect(), [](QColor c) { return c == Qt::black; }), 40);
}

// The toolbar pictures are drawn on a transparent ground. The three zoom
// labels are drawn in one size: their ink stands equally tall, and "%100"
// fits inside the picture all the same.
TEST(FrmTabulPicture, ToolbarPicturesAndAlikeZoomLabels) {
    std::vector<QRect> ink;
    for (int i = 0; i < 8; ++i) {
        const QImage icon = ToolbarIcon(i).toImage();
        ASSERT_EQ(icon.size(), QSize(20, 20));
        EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << i;
        QRect box;
        int inked = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                if (icon.pixelColor(x, y).alpha() > 128) box |= QRect(x, y, 1, 1), ++inked;
        EXPECT_GT(inked, 15) << i;
        ink.push_back(box);
    }
    EXPECT_EQ(ink[5].height(), ink[6].height());
    EXPECT_EQ(ink[5].height(), ink[7].height());
    EXPECT_GE(ink[5].height(), 6);
    EXPECT_GT(ink[5].left(), 0);
    EXPECT_LT(ink[5].right(), 19);
    EXPECT_GT(ink[5].width(), ink[6].width());
}

// Activation handed back by one of the program's own forms returns the view
// to 100 %; after a message box it does not. Where a window manager would
// give activation back after the message box, activateWindow plays its part.
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
    EXPECT_TRUE(catalog.DefaultOrientation() == 1 || catalog.DefaultOrientation() == 2);
}

// The report's path is everything after the program's name, joined by single spaces.
TEST(JoinArguments, TheArgumentsAfterTheProgramJoinedBySingleSpaces) {
    const struct {
        std::vector<const char*> argv;
        std::string commandLine;
    } cases[] = {
        {{"tabulon"}, ""},
        {{"tabulon", "/tmp/Satış", "Raporları/kasım.txt"}, "/tmp/Satış Raporları/kasım.txt"},
        {{"tabulon", "a  b", "", "c"}, "a  b  c"},
        {{"tabulon", "\"/tmp/rapor.txt\""}, "\"/tmp/rapor.txt\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinArguments(static_cast<int>(c.argv.size()), c.argv.data()), c.commandLine);
}

}  // namespace
