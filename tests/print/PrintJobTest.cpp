#include <gtest/gtest.h>

#include <functional>

#include "RecordingPrinter.h"
#include "RecordingReportWindow.h"
#include "platform/PrinterFactory.h"
#include "print/PrintJob.h"
#include "print/PrintJobUi.h"

namespace {

// One print job of a five-page report shown at 50 %, with the user's answers
// set beforehand, printing on recording printers; each page's drawing is
// just its page number.
struct JobRun : PrintJobUi, PrinterFactory {
    RecordingReportWindow window;
    PrinterLog log;
    int opened = 0;
    bool confirm = true, printAnyway = true, askedOverflow = false;
    int32_t from = 1, to = 0;
    int32_t stopAfter = -1;  // the progress bar's button pressed once this many pages are out
    std::string printer = "Muhasebe", failure, progress;
    std::vector<std::string> dialogs;  // the printer each print dialog offered

    JobRun() {
        window.printers.names = {"Muhasebe", "Depo Lazer", "PDF"};
        window.printers.defaultName = "Depo Lazer";
        window.pages.totals.pageCount = 5;
        window.zoom = 0.5f;
    }
    PrintChoice ShowPrintDialog(int32_t, const PrinterCatalog&, const std::string& current,
                                const std::string&) override {
        dialogs.push_back(current);
        return {confirm, from, to, printer};
    }
    bool ConfirmOverflow() override {
        askedOverflow = true;
        return printAnyway;
    }
    void ShowPrinterFailure(const std::string& name, const std::string& reason) override {
        failure = "failed " + name + ": " + reason;
    }
    bool ReportProgress(int32_t printed, int32_t total) override {
        progress += std::to_string(printed) + "/" + std::to_string(total) + " ";
        return printed != stopAfter;
    }
    std::unique_ptr<Printer> Open(const std::string& name, const std::string& pdfFile) override {
        ++opened;
        return std::make_unique<RecordingPrinter>(log, name, pdfFile);
    }

    // What the user was asked and what reached the printer after the page
    // setup, NewPage, EndDoc and Abort by their initials, then the failure
    // shown: "overflow? 2 N 3 N E".
    std::string Run() {
        RunPrintJob(window, *this, *this);
        std::string text = askedOverflow ? "overflow? " : "";
        for (const std::string& event : log.events)
            if (!event.starts_with("orientation") && !event.starts_with("paper"))
                text += (event.size() > 4 ? event.substr(0, 1) : event) + " ";
        text += failure;
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }
};

TEST(PrintJob, PrintsTheSelectedPagesUnlessTheUserOrThePrinterStopsIt) {
    const struct {
        int32_t pageCount, from, to;
        std::function<void(JobRun&)> setup;
        const char* transcript;
    } cases[] = {
        // A new sheet follows every page but the report's last, whatever the
        // selection; the printer drops one that only precedes the end.
        {3, 1, 3, {}, "1 N 2 N 3 E"},
        {5, 2, 3, {}, "2 N 3 N E"},
        {5, 5, 5, {}, "5 E"},
        {5, 4, 2, {}, "E"},
        {2, 1, 0, {}, "1 N 2 E"},
        {4, -1, -1, {}, "1 N 3 N E"},
        {4, -2, -2, {}, "2 N 4 E"},
        {5, -1, -1, {}, "1 N 3 N 5 E"},
        {5, -2, -2, {}, "2 N 4 N E"},
        {1, -2, -2, {}, "E"},
        // Columns past the edge ask first, and No stops the job.
        {2, 1, 2, [](JobRun& j) { j.window.overflows = true, j.printAnyway = false; }, "overflow?"},
        {2, 1, 2, [](JobRun& j) { j.window.overflows = true; }, "overflow? 1 N 2 E"},
        // A failing printer is reported and its document dropped.
        {3, 1, 3, [](JobRun& j) { j.log.failOnOpen = true; }, "A failed Muhasebe: Kağıt sıkıştı."},
        {3, 1, 3, [](JobRun& j) { j.log.failAtSheet = 1; }, "A failed Muhasebe: Kağıt sıkıştı."},
        {3, 1, 3, [](JobRun& j) { j.log.failAtSheet = 3; },
         "1 N 2 N A failed Muhasebe: Kağıt sıkıştı."},
        // The progress bar's button drops the document without a complaint.
        {5, 2, 4, [](JobRun& j) { j.stopAfter = 0; }, "A"},
        {5, 2, 4, [](JobRun& j) { j.stopAfter = 2; }, "2 N 3 N A"},
    };
    for (const auto& c : cases) {
        JobRun job;
        job.window.pages.totals.pageCount = c.pageCount;
        job.from = c.from;
        job.to = c.to;
        if (c.setup) c.setup(job);
        EXPECT_EQ(job.Run(), c.transcript);
        EXPECT_FALSE(job.window.busy);
    }
}

TEST(PrintJob, ZoomsToFullSizeFirstAndLeavesTheWindowsPageAlsoAfterCancel) {
    JobRun job;
    job.window.currentPage = 5;
    job.window.setup.PageOrient = 2;
    job.window.setup.PageSizeX = 16838;
    job.window.setup.PageSizeY = 11906;
    job.from = 2;
    job.to = 3;
    // The page setup comes before the first sheet, on the printer chosen; no file asked.
    ASSERT_EQ(job.Run(), "2 N 3 N E");
    EXPECT_EQ(job.window.calls,
              (std::vector<std::string>{"SetZoom100@5", "SetBusy(true)", "SetBusy(false)",
                                        "SetBusy(true)", "SetBusy(false)"}));
    EXPECT_EQ(job.window.currentPage, 5);
    EXPECT_EQ(job.window.zoom, 1.0f);
    EXPECT_EQ(job.progress, "0/2 1/2 2/2 ");
    EXPECT_EQ(job.log.events[0], "orientation 2");
    EXPECT_EQ(job.log.events[1], "paper 16838x11906");
    EXPECT_EQ(job.log.name, "Muhasebe");
    EXPECT_TRUE(job.window.questions.empty());

    // Cancelled next time: the zoom only, and the dialog offered the last printer.
    job.window.calls.clear();
    job.window.zoom = 0.75f;
    job.confirm = false;
    job.Run();
    EXPECT_EQ(job.opened, 1);
    EXPECT_EQ(job.window.calls, std::vector<std::string>{"SetZoom100@5"});
    EXPECT_EQ(job.window.zoom, 1.0f);
    EXPECT_EQ(job.dialogs, (std::vector<std::string>{"Depo Lazer", "Muhasebe"}));
}

// The dialog's texts are checked on the real window.
TEST(PrintJob, OnlyThePdfPrinterAsksForAFileAndCancellingThatPrintsNothing) {
    JobRun pdf;
    pdf.printer = "PDF";
    pdf.Run();
    EXPECT_EQ(pdf.window.questions.size(), 1u);
    EXPECT_EQ(pdf.opened, 0);
    EXPECT_EQ(pdf.window.CurrentPrinter(), "");
    EXPECT_TRUE(pdf.window.statusNotes.empty());

    pdf.window.answers = {"/raporlar/kasim.pdf"};
    EXPECT_EQ(pdf.Run(), "1 N 2 N 3 N 4 N 5 E");
    EXPECT_EQ(pdf.log.name, "PDF");
    EXPECT_EQ(pdf.log.pdfFile, "/raporlar/kasim.pdf");
    EXPECT_EQ(pdf.window.statusNotes,
              std::vector<QString>{QString::fromUtf8("Kaydedildi: /raporlar/kasim.pdf")});
}

}  // namespace
