#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include "OpenedFiles.h"
#include "ViewerHarness.h"
#include "export/SheetReader.h"
#include "viewer/CommandButtons.h"
#include "viewer/MainMenu.h"

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

TEST(ExportThroughWindow, TabSeparatedTextFromTheMenuEndsOnPage1) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(200)));
    h.Show();
    h.window->Form_KeyDown(34, 0);  // Page Down
    ASSERT_EQ(h.model.CurrentPage, 2);
    const QString out = QString::fromStdString(h.folder.File("satış.txt"));
    SaveDialogAnswer answer(out);
    h.window->Menu().DOS_01_03->trigger();
    EXPECT_EQ(answer.title, QString::fromUtf8("Farklı Kaydet"));
    EXPECT_EQ(answer.filters, QStringList{QString::fromUtf8("Txt Dosyaları (*.txt)")});
    const std::string text = ReadBytes(out.toStdString());
    EXPECT_EQ(text.substr(0, text.find("\r\n") + 2), "Kod\tMüşteri\tŞehir\tTutar\t\r\n");
    EXPECT_NE(text.find("\r\n200\tMüşteri 13\tAnkara\t400,50\t\r\n"), std::string::npos);
    EXPECT_EQ(h.model.CurrentPage, 1);
}

TEST(ExportThroughWindow, ToolbarButton2SavesAndOpensTheWorkbook) {
    ViewerHarness h;
    ASSERT_TRUE(h.Open(SalesReport(30)));
    h.Show();
    const QString out = QString::fromStdString(h.folder.File("satış.xlsx"));
    SaveDialogAnswer answer(out);
    OpenedFiles files([&h] { return h.window->cursor().shape() == Qt::WaitCursor; });
    emit h.window->Toolbar().Click(2);
    EXPECT_EQ(answer.filters, QStringList{QString::fromUtf8("Excel Çalışma Sayfası (*.xlsx)")});
    ASSERT_EQ(files.opened.size(), 1u);
    EXPECT_EQ(files.opened[0].first, out);
    EXPECT_TRUE(files.opened[0].second);
    EXPECT_EQ(h.window->cursor().shape(), Qt::ArrowCursor);
    const auto cells = SheetCells(out.toStdString());
    EXPECT_EQ(cells.at("B1").value, "Müşteri");
    EXPECT_EQ(cells.at("D31").value, "110.5");  // 30 x 37 % 1000 = 110, with ",50"
}

}  // namespace
