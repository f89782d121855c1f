#include <gtest/gtest.h>

#include <QAction>

#include "OpenedFiles.h"
#include "RecordingReportWindow.h"
#include "ViewerHarness.h"
#include "export/SheetReader.h"
#include "input/LoadReport.h"
#include "viewer/ExportCommands.h"
#include "viewer/MainMenu.h"
#include "viewer/ViewerStatusBar.h"

namespace {

using ExportThroughWindow = ShownViewer;

// Each export, from the menu, its key or toolbar button 2, asks in the
// Turkish save dialog and writes its own format to the file typed there; a
// name typed without an extension gets the file type's, one with an
// extension keeps it. Each proposes the file chosen last in this run, except
// the workbook export, which always starts empty. Delimited exports end on
// page 1 even when cancelled; the workbook export leaves the page alone and
// opens the saved workbook in the desktop's spreadsheet program under the
// hourglass. The status bar says where a saved file went.
TEST_F(ExportThroughWindow, EachCommandSavesItsFormatToTheChosenFile) {
    OpenedFiles files([this] { return W().cursor().shape() == Qt::WaitCursor; });
    const QString folder = QString::fromStdString(h.folder.Path().string());
    const QString excel = QString::fromUtf8("Excel Çalışma Sayfası (*.xlsx)");
    const QString text = QString::fromUtf8("Txt Dosyaları (*.txt)");
    const MainMenu& menu = W().Menu();
    const struct {
        std::function<void()> run;
        const char* typed;  // empty: cancelled
        const char* proposed;
        const char* saved;
        QString filter;
        int32_t page;
        std::string firstLine;  // empty: a workbook
    } exports[] = {
        {[&] { Key(Qt::Key_S, Qt::ControlModifier); }, "menü", "", "menü.xlsx", excel, 2, ""},
        {[&] { menu.DOS_01_01_02->trigger(); }, "satış", "menü.xlsx", "satış.csv",
         QString::fromUtf8("CSV Dosyaları (*.csv)"), 1, "1,Müşteri 1,Ankara,37.50,\r\n"},
        {[&] { menu.DOS_01_02->trigger(); }, "", "satış.csv", "", text, 1, ""},
        {[&] { Click(2); }, "", "", "", excel, 2, ""},
        {[&] { menu.DOS_01_03->trigger(); }, "sekme.dat", "", "sekme.dat", text, 1,
         "Kod\tMüşteri\tŞehir\tTutar\t\r\n"},
        {[&] { menu.DOS_01_02->trigger(); }, "virgül", "sekme.dat", "virgül.txt", text, 1,
         "Kod,Müşteri,Şehir,Tutar,\r\n"},
        {[&] { menu.DOS_01_01_01->trigger(); }, "düğme", "", "düğme.xlsx", excel, 2, ""},
    };
    QString note;
    for (const auto& e : exports) {
        SCOPED_TRACE(e.typed);
        W().ShowFirstPage();
        W().ShowNextPage();
        const size_t openedBefore = files.opened.size();
        SaveAs answer(folder, QString::fromUtf8(e.typed));
        e.run();
        ASSERT_TRUE(answer.answer.Fired());
        EXPECT_FALSE(QApplication::activeModalWidget());
        EXPECT_EQ(answer.title + "|" + answer.filters,
                  QString::fromUtf8("Farklı Kaydet|") + e.filter);
        EXPECT_EQ(answer.proposed, QString::fromUtf8(e.proposed));
        answer.labels.sort();
        EXPECT_EQ(answer.labels,
                  (QStringList{QString::fromUtf8("&Kaydet"), QString::fromUtf8("Dosya &adı:"),
                               QString::fromUtf8("Dosya türü:"), QString::fromUtf8("Konum:"),
                               QString::fromUtf8("İptal")}));
        EXPECT_EQ(W().CurrentPage(), e.page);
        const QString path = folder + "/" + QString::fromUtf8(e.saved);
        if (*e.saved) note = QString::fromUtf8("Kaydedildi: ") + path;
        EXPECT_EQ(W().Status().NoteText(), note);
        const bool workbook = *e.saved && e.firstLine.empty();
        ASSERT_EQ(files.opened.size(), openedBefore + workbook);
        if (workbook) {
            EXPECT_EQ(files.opened.back(), std::make_pair(path, true)) << "under the hourglass";
            EXPECT_EQ(W().cursor().shape(), Qt::ArrowCursor);
            const auto cells = SheetCells(path.toStdString());
            EXPECT_EQ(cells.at("B1").value, "Müşteri");
            EXPECT_EQ(cells.at("D31").value, "110.5");  // 30 x 37 % 1000 = 110, with ",50"
        } else if (*e.saved) {
            const std::string written = ReadBytes(path.toStdString());
            EXPECT_EQ(written.substr(0, written.find("\r\n") + 2), e.firstLine);
        }
    }
}

// A failed export says why in Turkish, redraws as a finished one, tells
// nothing in the status bar and opens nothing.
TEST(ExportCommands, FailureShowsTheCriticalMessageAndOpensNothing) {
    for (auto command : {ExportCsv, ExportCommaText, ExportTabText, ExportSpreadsheet}) {
        RecordingReportWindow window;
        TempDir dir;
        WriteBytes(dir.File("report.txt"), ReportText({"1Rapor", "2Kod\tAd\t", "9a\tb\t"}));
        LoadResult loaded = LoadReport(dir.File("report.txt"), dir.File("BUFFILE.DAT"));
        window.pages.layout = loaded.layout;
        window.pages.rows = std::move(loaded.rows);
        const QString out = QString::fromStdString(dir.File("yok/rapor"));
        window.answers = {out};
        MessageBoxCatcher boxes;
        OpenedFiles files([] { return false; });
        command(window);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].title, QString::fromUtf8("Vornak Yazılım"));
        EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Critical);
        EXPECT_EQ(boxes.shown[0].text, QString::fromUtf8("Dosya kaydedilemedi:\n") + out +
                                           "\nNo such file or directory");
        EXPECT_TRUE(files.opened.empty());
        EXPECT_TRUE(window.statusNotes.empty());
        const std::vector<std::string> busy{"SetBusy(true)", "SetBusy(false)"},
            page1{"UpdatePageGeometry@1", "RenderOnCanvas@1"};
        EXPECT_EQ(window.calls, command == ExportSpreadsheet ? busy : page1);
    }
}

}  // namespace
