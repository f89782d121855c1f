#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingPrinter.h"
#include "RecordingReportWindow.h"
#include "platform/PrinterFactory.h"
#include "print/PrintJob.h"
#include "print/PrintJobUi.h"

namespace {

// One print job with the user's answers set beforehand, printing on recording
// printers; each page's drawing is just its page number.
struct JobRun : PrintJobUi, PrinterFactory {
    RecordingReportWindow window;
    PrinterLog log;
    int opened = 0;
    bool confirm = true, printAnyway = true;
    int32_t from = 1, to = 0;
    std::string printer = "Muhasebe";
    // "dialog <current printer>", "overflow", "failure <printer>: <reason>".
    std::vector<std::string> shown;
    std::string progress;    // "0/3 1/3", pages gone out of all selected
    int32_t stopAfter = -1;  // the progress bar's "İptal" pressed once this many are out

    // A five-page A4 report of three fitting columns, shown at 50 %.
    JobRun() {
        window.printers.names = {"Muhasebe", "Depo Lazer", "PDF"};
        window.printers.defaultName = "Depo Lazer";
        ReportModel& model = window.model;
        model.PageCount = 5;
        model.CurrentPage = 1;
        model.PageOrient = 1;
        model.PageSizeX = 11906;
        model.PageSizeY = 16838;
        model.FieldCount = 3;
        window.view.ZoomFactor = 0.5f;
        window.view.ColumnFits.fill(true);
    }

    void ShowPrintDialog(ReportModel& model, const PrinterCatalog&,
                         const std::string& current) override {
        shown.push_back("dialog " + current);
        model.PrintConfirmed = confirm;
        if (!confirm) return;
        model.PrintFromPage = from;
        model.PrintToPage = to;
        model.SelectedPrinter = printer;
    }
    bool ConfirmOverflow() override {
        shown.push_back("overflow");
        return printAnyway;
    }
    void ShowPrinterFailure(const std::string& name, const std::string& reason) override {
        shown.push_back("failure " + name + ": " + reason);
    }
    bool ReportProgress(int32_t printed, int32_t total) override {
        progress +=
            (progress.empty() ? "" : " ") + std::to_string(printed) + "/" + std::to_string(total);
        return printed != stopAfter;
    }
    std::unique_ptr<Printer> Open(const std::string& name, const std::string& pdfFile) override {
        ++opened;
        return std::make_unique<RecordingPrinter>(log, name, pdfFile);
    }

    void Run() {
        RunPrintJob(window, *this, *this, [this](DrawingTarget& target) {
            target.Print(std::to_string(window.model.CurrentPage));
        });
    }

    // What reached the printer after the page setup: each sheet as the page
    // drawn on it, then N (NewPage), E (EndDoc), A (Abort). "2 N 3 N E".
    std::string Flow() const {
        std::string flow;
        for (const std::string& event : log.events) {
            std::string step;
            if (event.rfind("sheet ", 0) == 0) {
                for (const std::string& text : log.sheets.at(std::stoi(event.substr(6)) - 1))
                    step += text;
            } else if (event == "NewPage" || event == "EndDoc" || event == "Abort") {
                step = event.substr(0, 1);
            }
            if (!step.empty()) flow += (flow.empty() ? "" : " ") + step;
        }
        return flow;
    }
};

TEST(PrintJob, PrintsTheSelectedPagesOnePerSheet) {
    struct Case {
        int32_t pageCount, from, to;
        const char* flow;
    };
    // A new sheet follows every page but the report's last, whatever the
    // selection; the printer drops one that only precedes the end.
    for (const Case& c :
         {Case{3, 1, 3, "1 N 2 N 3 E"}, Case{5, 2, 3, "2 N 3 N E"}, Case{5, 5, 5, "5 E"},
          Case{5, 4, 2, "E"}, Case{2, 1, 0, "1 N 2 E"}, Case{4, -1, -1, "1 N 3 N E"},
          Case{4, -2, -2, "2 N 4 E"}, Case{5, -1, -1, "1 N 3 N 5 E"}, Case{5, -2, -2, "2 N 4 N E"},
          Case{1, -2, -2, "E"}}) {
        SCOPED_TRACE(std::to_string(c.from) + ".." + std::to_string(c.to));
        JobRun job;
        job.window.model.PageCount = c.pageCount;
        job.from = c.from;
        job.to = c.to;
        job.Run();
        EXPECT_EQ(job.Flow(), c.flow);
    }
}

TEST(PrintJob, ZoomsToFullSizeFirstAndRestoresThePageWithoutDrawingIt) {
    JobRun job;
    job.window.model.CurrentPage = 5;
    job.window.model.PageOrient = 2;
    job.window.model.PageSizeX = 16838;
    job.window.model.PageSizeY = 11906;
    job.from = 2;
    job.to = 3;
    job.Run();
    EXPECT_EQ(job.window.calls,
              (std::vector<std::string>{"SetZoom100@5", "UpdatePageGeometry@2", "SetBusy(true)",
                                        "SetBusy(false)", "UpdatePageGeometry@3", "SetBusy(true)",
                                        "SetBusy(false)"}));
    EXPECT_EQ(job.window.model.CurrentPage, 5);
    EXPECT_EQ(job.window.view.ZoomFactor, 1.0f);
    // The page setup comes before the first sheet.
    ASSERT_EQ(job.Flow(), "2 N 3 N E");
    EXPECT_EQ(job.log.events[0], "orientation 2");
    EXPECT_EQ(job.log.events[1], "paper 16838x11906");
}

TEST(PrintJob, CancelAfterAConfirmedJobOnlyZoomsAndTheNextDialogOffersTheLastPrinter) {
    JobRun job;
    job.Run();
    job.window.calls.clear();
    job.window.view.ZoomFactor = 0.75f;
    job.confirm = false;
    job.Run();
    EXPECT_EQ(job.opened, 1);
    EXPECT_EQ(job.window.calls, std::vector<std::string>{"SetZoom100@1"});
    EXPECT_EQ(job.window.view.ZoomFactor, 1.0f);
    EXPECT_EQ(job.shown, (std::vector<std::string>{"dialog Depo Lazer", "dialog Muhasebe"}));
}

TEST(PrintJob, AsksOnlyWhenAColumnOfTheReportDoesNotFitAndNoStops) {
    struct Case {
        int16_t fieldCount;
        int columnThatDoesNotFit;  // 0: every column fits
        bool answer, asked, printed;
    };
    for (const Case& c : {Case{3, 0, false, false, true}, Case{3, 2, false, true, false},
                          Case{3, 3, true, true, true}, Case{3, 4, false, false, true},
                          Case{150, 50, false, true, false}}) {
        SCOPED_TRACE(c.columnThatDoesNotFit);
        JobRun job;
        job.window.model.FieldCount = c.fieldCount;
        job.window.model.CurrentPage = 3;
        if (c.columnThatDoesNotFit) job.window.view.ColumnFits[c.columnThatDoesNotFit] = false;
        job.printAnyway = c.answer;
        job.Run();
        EXPECT_EQ(job.shown.size() > 1 && job.shown[1] == "overflow", c.asked);
        EXPECT_EQ(job.Flow(), c.printed ? "1 N 2 N 3 N 4 N 5 E" : "");
        EXPECT_EQ(job.window.model.CurrentPage, 3);
    }
}

TEST(PrintJob, OnlyThePdfPrinterAsksForAFileAndCancellingThatPrintsNothing) {
    JobRun job;
    job.Run();
    EXPECT_TRUE(job.window.questions.empty());
    EXPECT_EQ(job.log.name, "Muhasebe");
    EXPECT_EQ(job.log.pdfFile, "");

    JobRun pdf;
    pdf.printer = "PDF";
    pdf.Run();
    ASSERT_EQ(pdf.window.questions.size(), 1u);
    EXPECT_EQ(pdf.window.questions[0].title, QString::fromUtf8("Farklı Kaydet"));
    EXPECT_EQ(pdf.window.questions[0].filter, QString::fromUtf8("PDF Dosyaları (*.pdf)"));
    EXPECT_EQ(pdf.opened, 0);
    EXPECT_EQ(pdf.window.CurrentPrinter(), "");

    pdf.window.answers = {"/raporlar/kasim.pdf"};
    pdf.Run();
    EXPECT_EQ(pdf.log.name, "PDF");
    EXPECT_EQ(pdf.log.pdfFile, "/raporlar/kasim.pdf");
    EXPECT_EQ(pdf.Flow(), "1 N 2 N 3 N 4 N 5 E");
}

TEST(PrintJob, AFailingPrinterIsReportedAndItsDocumentDropped) {
    struct Case {
        bool failOnOpen;
        int failAtSheet;
        const char* flow;
    };
    for (const Case& c : {Case{true, 0, "A"}, Case{false, 1, "A"}, Case{false, 3, "1 N 2 N A"}}) {
        SCOPED_TRACE(c.flow);
        JobRun job;
        job.window.model.CurrentPage = 2;
        job.log.failOnOpen = c.failOnOpen;
        job.log.failAtSheet = c.failAtSheet;
        job.Run();
        EXPECT_EQ(job.Flow(), c.flow);
        EXPECT_EQ(job.shown.back(), "failure Muhasebe: Kağıt sıkıştı.");
        EXPECT_EQ(job.window.model.CurrentPage, 2);
        EXPECT_FALSE(job.window.busy);
    }
}

TEST(PrintJob, ThePagesCountUpAndTheStopButtonDropsTheDocument) {
    struct Case {
        int32_t stopAfter;
        const char* progress;
        const char* flow;
    };
    for (const Case& c : {Case{-1, "0/3 1/3 2/3 3/3", "2 N 3 N 4 N E"}, Case{0, "0/3", "A"},
                          Case{2, "0/3 1/3 2/3", "2 N 3 N A"}}) {
        SCOPED_TRACE(c.stopAfter);
        JobRun job;
        job.window.model.CurrentPage = 5;
        job.from = 2;
        job.to = 4;
        job.stopAfter = c.stopAfter;
        job.Run();
        EXPECT_EQ(job.progress, c.progress);
        EXPECT_EQ(job.Flow(), c.flow);
        // A stop is the user's wish: no failure is reported, the page shown stays.
        EXPECT_EQ(job.shown, std::vector<std::string>{"dialog Depo Lazer"});
        EXPECT_EQ(job.window.model.CurrentPage, 5);
    }
}

}  // namespace
