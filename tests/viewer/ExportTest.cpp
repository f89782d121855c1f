#include <QAction>
#include <QDesktopServices>

#include "ViewerHarness.h"
#include "export/SheetReader.h"
#include "viewer/ViewerStatusBar.h"

using namespace Tabulon;

// Takes the place of the desktop's file handler while it lives, noting each
// file it was asked to open and whether the hourglass was showing then.
class OpenedFiles : public QObject {
    Q_OBJECT
  public:
    explicit OpenedFiles(std::function<bool()> busy) : busyNow(std::move(busy)) {
        QDesktopServices::setUrlHandler("file", this, "Open");
    }
    ~OpenedFiles() override { QDesktopServices::unsetUrlHandler("file"); }
    Q_INVOKABLE void Open(const QUrl& url) { opened.push_back({url.toLocalFile(), busyNow()}); }

    std::function<bool()> busyNow;
    std::vector<std::pair<QString, bool>> opened;
};

namespace {

class ExportThroughWindow : public ShownViewer {
  protected:
    struct Export {
        std::function<void()> run;
        const char* typed;  // empty: cancelled
        std::string asked;
        const char* saved;  // empty: nothing saved
        int32_t page;
        std::string firstLine;    // empty: a workbook
        const char* failed = "";  // the path the save could not write
    };
    // Runs the export from page 2 at 75 %, typing its name into the save
    // dialog, and sees what the window, the message boxes and the file show.
    void RunAndCheck(const Export& e) {
        W().ShowFirstPage();
        W().ShowNextPage();
        W().Zoom().Zoom75();
        const size_t opened = files.opened.size();
        FileChoice answer(h.folder.Path().string(), e.typed);
        MessageBoxCatcher boxes;
        e.run();
        EXPECT_EQ(answer.asked, e.asked);
        answer.labels.sort();
        EXPECT_EQ(answer.labels.join('|'), "&Kaydet|Dosya &adı:|Dosya türü:|Konum:|İptal");
        EXPECT_EQ(W().CurrentPage(), e.page);
        EXPECT_EQ(W().cursor().shape(), Qt::ArrowCursor);
        W().activateWindow();  // as the window manager does after a dialog or message box
        ASSERT_TRUE(QTest::qWaitForWindowActive(&W()));
        QApplication::processEvents();
        EXPECT_EQ(W().ZoomFactor(), 0.75f) << "only the program's own forms return it to 100 %";
        const std::string path = h.folder.File(e.saved);
        if (*e.saved) note = QString::fromStdString("Kaydedildi: " + path);
        EXPECT_EQ(W().Status().NoteText(), note);
        EXPECT_EQ(boxes.shown.size(), *e.failed ? 1u : 0u);
        for (const std::string& said : boxes.shown)
            EXPECT_TRUE(said.starts_with("Vornak Yazılım [critical] Dosya kaydedilemedi:\n" +
                                         std::string(e.failed) + "\n"))
                << said;
        const bool workbook = *e.saved && e.firstLine.empty();
        ASSERT_EQ(files.opened.size(), opened + workbook);
        if (workbook) {
            EXPECT_EQ(files.opened.back(), std::make_pair(QString::fromStdString(path), true));
            EXPECT_EQ(SheetCells(path).at("D31").value, "110.5");  // 30 x 37 % 1000, with ",50"
        } else if (*e.saved) {
            EXPECT_EQ(ReadBytes(path).substr(0, e.firstLine.size()), e.firstLine);
        }
    }
    OpenedFiles files{[this] { return W().cursor().shape() == Qt::WaitCursor; }};
    QString note;  // what the status bar said last of a saved file
};

// Each export asks in the Turkish save dialog (proposing the file chosen last,
// the workbook always empty) and writes its format there, adding the type's
// extension to a bare name and replacing a file without a question. Delimited
// exports end on page 1 even when cancelled or failed; the workbook opens in
// the desktop's spreadsheet program under the hourglass. The status bar says
// where a file went; a failed save says why and opens nothing.
TEST_F(ExportThroughWindow, EachCommandSavesItsFormatToTheChosenFile) {
    const std::string excel = "Farklı Kaydet|Excel Çalışma Sayfası (*.xlsx)|";
    const std::string csv = "Farklı Kaydet|CSV Dosyaları (*.csv)|";
    const std::string text = "Farklı Kaydet|Txt Dosyaları (*.txt)|";
    const auto item = [](QAction* action) { return [action] { action->trigger(); }; };
    const Export exports[] = {
        {[this] { Key(Qt::Key_S, Qt::ControlModifier); }, "menü", excel, "menü.xlsx", 2, ""},
        {item(Menu().DOS_01_01_02), "satış", csv + "menü.xlsx", "satış.csv", 1,
         "1,Müşteri 1,Ankara,37.50,\r\n"},
        {item(Menu().DOS_01_02), "", text + "satış.csv", "", 1, ""},
        {[this] { Click(2); }, "", excel, "", 2, ""},
        {item(Menu().DOS_01_03), "sekme.dat", text, "sekme.dat", 1,
         "Kod\tMüşteri\tŞehir\tTutar\t\r\n"},
        {item(Menu().DOS_01_02), "virgül", text + "sekme.dat", "virgül.txt", 1,
         "Kod,Müşteri,Şehir,Tutar,\r\n"},
        {item(Menu().DOS_01_01_02), "satış.csv", csv + "virgül.txt", "satış.csv", 1,
         "1,Müşteri 1,Ankara,37.50,\r\n"},
        {item(Menu().DOS_01_03), "/sys/sekme", text + "satış.csv", "", 1, "", "/sys/sekme.txt"},
        {item(Menu().DOS_01_01_01), "/sys/tablo", excel, "", 2, "", "/sys/tablo.xlsx"}};
    for (const Export& e : exports) {
        SCOPED_TRACE(e.typed);
        RunAndCheck(e);
    }
}

}  // namespace

#include "ExportTest.moc"
