#include <gtest/gtest.h>

#include <filesystem>

#include "ExportFakeWindow.h"
#include "MessageBoxCatcher.h"
#include "OpenedFiles.h"
#include "export/SheetReader.h"
#include "viewer/ExportCommands.h"

namespace {

const std::string Report = ReportText(
    {"1Rapor", "2Kod\tAd\tTutar\t", "5N\tT\tC\t", "9a\tb,c\t\t", "92\tAyşe\t1.234,56\t"});

struct DelimitedCase {
    void (*command)(ReportWindow&);
    const char* filter;
    std::string expected;
};

const DelimitedCase DelimitedCases[] = {
    {DOS_01_01_02_Click, "CSV Dosyaları (*.csv)", "a,b.c,,\r\n2,Ayşe,1.234.56,\r\n"},
    {DOS_01_02_Click, "Txt Dosyaları (*.txt)", "Kod,Ad,Tutar,\r\na,b,c,,\r\n2,Ayşe,1.234,56,\r\n"},
    {DOS_01_03_Click, "Txt Dosyaları (*.txt)",
     "Kod\tAd\tTutar\t\r\na\tb,c\t\t\r\n2\tAyşe\t1.234,56\t\r\n"},
};

const std::vector<std::string> Page1Drawn = {"UpdatePageGeometry@1", "RenderOnCanvas@1"};

TEST(ExportCommands, DelimitedExportsWriteTheChosenFileAndShowPage1) {
    for (const auto& c : DelimitedCases) {
        ExportFakeWindow window(Report);
        const QString out = QString::fromStdString(window.dir.File("çıktı"));
        window.answers = {out};
        MessageBoxCatcher boxes;
        c.command(window);
        ASSERT_EQ(window.questions.size(), 1u);
        EXPECT_EQ(window.questions[0].title, QString::fromUtf8("Farklı Kaydet"));
        EXPECT_EQ(window.questions[0].filter, QString::fromUtf8(c.filter));
        EXPECT_EQ(ReadBytes(out.toStdString()), c.expected) << c.filter;
        EXPECT_EQ(window.calls, Page1Drawn);
        EXPECT_TRUE(boxes.shown.empty());
    }
}

TEST(ExportCommands, CancelIsSilent) {
    for (const auto& c : DelimitedCases) {
        ExportFakeWindow window(Report);
        MessageBoxCatcher boxes;
        c.command(window);
        EXPECT_EQ(window.calls, Page1Drawn) << "a cancelled export still ends on page 1";
        EXPECT_TRUE(boxes.shown.empty());
    }
    ExportFakeWindow window(Report);
    MessageBoxCatcher boxes;
    OpenedFiles files([&window] { return window.busy; });
    DOS_01_01_01_Click(window);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(window.model.CurrentPage, 2);
    EXPECT_TRUE(files.opened.empty());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(ExportCommands, FailureShowsTheCriticalMessage) {
    std::vector<void (*)(ReportWindow&)> commands = {DOS_01_01_02_Click, DOS_01_02_Click,
                                                     DOS_01_03_Click, DOS_01_01_01_Click};
    for (auto command : commands) {
        ExportFakeWindow window(Report);
        const QString out = QString::fromStdString(window.dir.File("yok/rapor"));
        window.answers = {out};
        MessageBoxCatcher boxes;
        OpenedFiles files([&window] { return window.busy; });
        command(window);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].title, QString::fromUtf8("Vornak Yazılım"));
        EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Critical);
        EXPECT_EQ(boxes.shown[0].text, QString::fromUtf8("Dosya kaydedilemedi:\n") + out +
                                           "\nNo such file or directory");
        EXPECT_TRUE(files.opened.empty());
        if (command == DOS_01_01_01_Click)
            EXPECT_EQ(window.calls, (std::vector<std::string>{"SetBusy(true)", "SetBusy(false)"}));
        else
            EXPECT_EQ(window.calls, Page1Drawn) << "a failed export still ends on page 1";
    }
}

TEST(ExportCommands, SpreadsheetExportOpensTheWorkbookAndLeavesThePage) {
    ExportFakeWindow window(Report);
    const QString out = QString::fromStdString(window.dir.File("rapor.xlsx"));
    window.answers = {out};
    MessageBoxCatcher boxes;
    OpenedFiles files([&window] { return window.busy; });
    DOS_01_01_01_Click(window);
    ASSERT_EQ(window.questions.size(), 1u);
    EXPECT_EQ(window.questions[0].title, QString::fromUtf8("Farklı Kaydet"));
    EXPECT_EQ(window.questions[0].filter, QString::fromUtf8("Excel Çalışma Sayfası (*.xlsx)"));
    EXPECT_EQ(window.calls, (std::vector<std::string>{"SetBusy(true)", "SetBusy(false)"}));
    EXPECT_EQ(window.model.CurrentPage, 2);
    ASSERT_EQ(files.opened.size(), 1u);
    EXPECT_EQ(files.opened[0].first, out);
    EXPECT_TRUE(files.opened[0].second) << "opened under the hourglass";
    const auto cells = SheetCells(out.toStdString());
    EXPECT_EQ(cells.at("C1").value, "Tutar");
    EXPECT_EQ(cells.at("C3").value, "1234.56");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(ExportCommands, SaveDialogProposesTheNameChosenLastInThisRun) {
    ExportFakeWindow window(Report);
    OpenedFiles files([&window] { return window.busy; });
    const QString csv = QString::fromStdString(window.dir.File("a.csv"));
    const QString xlsx = QString::fromStdString(window.dir.File("b.xlsx"));
    struct Step {
        void (*command)(ReportWindow&);
        QString answer;  // empty: cancel
        QString proposed;
    };
    const Step steps[] = {
        {DOS_01_01_02_Click, csv, ""},  {DOS_01_02_Click, "", csv},
        {DOS_01_03_Click, "", csv},     {DOS_01_01_01_Click, xlsx, ""},
        {DOS_01_01_02_Click, "", xlsx}, {DOS_01_01_01_Click, "", ""},
        {DOS_01_01_02_Click, csv, ""},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        window.answers.clear();
        if (!steps[i].answer.isEmpty()) window.answers.push_back(steps[i].answer);
        steps[i].command(window);
        ASSERT_EQ(window.questions.size(), i + 1);
        EXPECT_EQ(window.questions[i].proposedName, steps[i].proposed) << "step " << i;
    }
}

}  // namespace
