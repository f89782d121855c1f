#include <gtest/gtest.h>

#include "MessageBoxCatcher.h"
#include "OpenedFiles.h"
#include "RecordingReportWindow.h"
#include "TestSupport.h"
#include "input/LoadReport.h"
#include "viewer/ExportCommands.h"

namespace {
using Command = void (*)(ReportWindow&);
using Calls = std::vector<std::string>;
const Calls Page1Drawn = {"UpdatePageGeometry@1", "RenderOnCanvas@1"};
const Calls Busy = {"SetBusy(true)", "SetBusy(false)"};

// The recording main window over a small loaded report, showing page 2.
struct ExportWindow : RecordingReportWindow {
    TempDir dir;
    ExportWindow() {
        WriteBytes(dir.File("report.txt"),
                   ReportText({"1Rapor", "2Kod\tAd\tTutar\t", "5N\tT\tC\t", "9a\tb\t1,5\t"}));
        LoadResult loaded = LoadReport(dir.File("report.txt"), dir.File("BUFFILE.DAT"));
        pages.layout = loaded.layout;
        pages.rows = std::move(loaded.rows);
        pages.fieldCount = loaded.fieldCount;
    }
};

// Delimited exports end on page 1 whether saved or cancelled; the workbook
// export leaves the page alone. Each proposes the name chosen last in this
// run, except the workbook export, which always starts empty.
TEST(ExportCommands, SaveOrCancelTheDialogRemembersTheNameAndRedrawsAsTheCommandDoes) {
    ExportWindow window;
    MessageBoxCatcher boxes;
    OpenedFiles files([&window] { return window.busy; });
    const QString csv = QString::fromStdString(window.dir.File("a.csv"));
    const QString xlsx = QString::fromStdString(window.dir.File("b.xlsx"));
    const struct {
        Command command;
        QString answer;  // empty: cancel
        QString proposed;
        Calls calls;
    } steps[] = {
        {ExportCsv, csv, "", Page1Drawn},     {ExportCommaText, "", csv, Page1Drawn},
        {ExportTabText, "", csv, Page1Drawn}, {ExportSpreadsheet, xlsx, "", Busy},
        {ExportCsv, "", xlsx, Page1Drawn},    {ExportSpreadsheet, "", "", {}},
        {ExportCsv, csv, "", Page1Drawn},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        window.answers.clear();
        if (!steps[i].answer.isEmpty()) window.answers.push_back(steps[i].answer);
        window.calls.clear();
        window.currentPage = 2;
        steps[i].command(window);
        ASSERT_EQ(window.questions.size(), i + 1);
        EXPECT_EQ(window.questions[i].proposedName, steps[i].proposed) << "step " << i;
        EXPECT_EQ(window.calls, steps[i].calls) << "step " << i;
    }
    ASSERT_EQ(files.opened.size(), 1u);
    EXPECT_EQ(files.opened[0], std::make_pair(xlsx, true)) << "opened under the hourglass";
    EXPECT_TRUE(boxes.shown.empty());
    // Only the three saves are told, each with the file's full path.
    const QString saved = QString::fromUtf8("Kaydedildi: ");
    EXPECT_EQ(window.statusNotes, (std::vector<QString>{saved + csv, saved + xlsx, saved + csv}));
}

TEST(ExportCommands, FailureShowsTheCriticalMessageAndOpensNothing) {
    for (Command command : {ExportCsv, ExportCommaText, ExportTabText, ExportSpreadsheet}) {
        ExportWindow window;
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
        EXPECT_TRUE(window.statusNotes.empty());
        EXPECT_EQ(window.calls, command == ExportSpreadsheet ? Busy : Page1Drawn);
    }
}
}  // namespace
