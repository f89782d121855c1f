#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "OpenedFiles.h"
#include "ViewerHarness.h"
#include "dialogs/ModalWatcher.h"
#include "export/SheetReader.h"
#include "viewer/CommandButtons.h"
#include "viewer/MainMenu.h"
#include "viewer/ViewerStatusBar.h"

namespace {
// Answers the save dialog the command opens with the given path, keeping
// its title and filters.
struct SaveDialogAnswer {
    QString title;
    QStringList filters;
    QTimer poll;

    explicit SaveDialogAnswer(const QString& path) {
        QObject::connect(&poll, &QTimer::timeout, [this, path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            // selectFile leaves the name field alone while it has the focus.
            dialog->selectFile(path);
            if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(path);
            static_cast<QDialog*>(dialog)->accept();  // public there
        });
        poll.start(20);
    }
};

// Each export from the menu (and the workbook from toolbar button 2) writes
// its own format to the file the user names. The workbook opens in the
// desktop's spreadsheet program under the hourglass.
TEST(ExportThroughWindow, MenuItemsAndTheToolbarSaveTheChosenFile) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(200)));
    h.Show();
    FrmTabul& w = *h.window;
    OpenedFiles files([&w] { return w.cursor().shape() == Qt::WaitCursor; });
    const QString excel = QString::fromUtf8("Excel Çalışma Sayfası (*.xlsx)");
    const QString text = QString::fromUtf8("Txt Dosyaları (*.txt)");
    const struct {
        std::function<void()> run;
        const char* file;
        QString filter;
        std::string firstLine;  // empty: a workbook
    } exports[] = {
        {[&] { w.Menu().DOS_01_01_01->trigger(); }, "menü.xlsx", excel, ""},
        {[&] { QTest::mouseClick(w.Toolbar().Button(2), Qt::LeftButton); }, "düğme.xlsx", excel,
         ""},
        {[&] { w.Menu().DOS_01_01_02->trigger(); }, "satış.csv",
         QString::fromUtf8("CSV Dosyaları (*.csv)"), "1,Müşteri 1,Ankara,37.50,\r\n"},
        {[&] { w.Menu().DOS_01_02->trigger(); }, "virgül.txt", text,
         "Kod,Müşteri,Şehir,Tutar,\r\n"},
        {[&] { w.Menu().DOS_01_03->trigger(); }, "sekme.txt", text,
         "Kod\tMüşteri\tŞehir\tTutar\t\r\n"},
    };
    for (const auto& e : exports) {
        SCOPED_TRACE(e.file);
        w.ShowFirstPage();
        w.ShowNextPage();
        const size_t openedBefore = files.opened.size();
        const QString out = QString::fromStdString(h.folder.File(e.file));
        SaveDialogAnswer answer(out);
        e.run();
        EXPECT_EQ(answer.title, QString::fromUtf8("Farklı Kaydet"));
        EXPECT_EQ(answer.filters, QStringList{e.filter});
        if (e.firstLine.empty()) {
            ASSERT_EQ(files.opened.size(), openedBefore + 1);
            EXPECT_EQ(files.opened.back(), std::make_pair(out, true));
            EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
            EXPECT_EQ(h.W().CurrentPage(), 2);
            const auto cells = SheetCells(out.toStdString());
            EXPECT_EQ(cells.at("B1").value, "Müşteri");
            EXPECT_EQ(cells.at("D31").value, "110.5");  // 30 x 37 % 1000 = 110, with ",50"
        } else {
            const std::string written = ReadBytes(out.toStdString());
            EXPECT_EQ(written.substr(0, written.find("\r\n") + 2), e.firstLine);
            EXPECT_EQ(h.W().CurrentPage(), 1);
            EXPECT_EQ(files.opened.size(), openedBefore);
        }
    }
}
// A name typed into the dialog without an extension gets the file type's;
// one with an extension keeps it. The dialog reads Turkish, and the status
// bar says where the file went.
TEST(ExportThroughWindow, TheSaveDialogAddsTheTypesExtension) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(20)));
    h.Show();
    FrmTabul& w = *h.window;
    OpenedFiles files([] { return false; });
    const struct {
        QAction* item;
        const char* typed;
        const char* saved;
    } saves[] = {
        {w.Menu().DOS_01_01_01, "cikti", "cikti.xlsx"},
        {w.Menu().DOS_01_01_02, "rapor", "rapor.csv"},
        {w.Menu().DOS_01_03, "notlar.dat", "notlar.dat"},
    };
    for (const auto& save : saves) {
        SCOPED_TRACE(save.typed);
        QStringList texts;
        ModalWatcher type([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                if (label->isVisible()) texts << label->text();
            for (const QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->isVisible()) texts << button->text();
            const QString folder = QString::fromStdString(h.folder.Path().string());
            dialog->setDirectory(folder);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            // Typed where a person types: while the name has the focus, the
            // folder's files arriving later do not put a selected file's name there.
            dialog->activateWindow();
            name->setFocus();
            ASSERT_TRUE(QTest::qWaitFor([name] { return name->hasFocus(); }));
            name->clear();
            QTest::keyClicks(name, QString::fromLatin1(save.typed));
            QTest::keyClick(name, Qt::Key_Return);
            // Never left open, so a dialog that ignores Enter fails the test instead of hanging it.
            if (dialog->isVisible()) {
                ADD_FAILURE() << "Enter did not save: " << name->text().toStdString();
                dialog->reject();
            }
        });
        save.item->trigger();
        ASSERT_TRUE(type.Fired());
        EXPECT_FALSE(QApplication::activeModalWidget());
        const QString path = QString::fromStdString(h.folder.File(save.saved));
        EXPECT_TRUE(QFileInfo::exists(path));
        EXPECT_EQ(w.Status().NoteText(), QString::fromUtf8("Kaydedildi: ") + path);
        texts.sort();
        EXPECT_EQ(texts,
                  (QStringList{QString::fromUtf8("&Kaydet"), QString::fromUtf8("Dosya &adı:"),
                               QString::fromUtf8("Dosya türü:"), QString::fromUtf8("Konum:"),
                               QString::fromUtf8("İptal")}));
    }
}
}  // namespace
