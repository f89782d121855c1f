#include <gtest/gtest.h>

#include "RecordingPrinterFactory.h"
#include "RecordingReportWindow.h"
#include "ScriptedPrintJobUi.h"
#include "print/PrintJob.h"

namespace {

// The user's answers, with the "İptal" button of the progress bar pressed
// once the given number of pages has gone out.
class StoppingUi : public ScriptedPrintJobUi {
  public:
    int32_t stopAfter = -1;
    std::vector<std::pair<int32_t, int32_t>> progress;

    bool ReportProgress(int32_t printed, int32_t total) override {
        progress.emplace_back(printed, total);
        return printed != stopAfter;
    }
};

// Pages 2 to 4 of a five-page report, shown on page 5, go to the printer.
struct StoppableJob {
    RecordingReportWindow window;
    StoppingUi ui;
    RecordingPrinterFactory printers;

    explicit StoppableJob(int32_t stopAfter) {
        window.model.PageCount = 5;
        window.model.CurrentPage = 5;
        ui.printer = "PDF";
        ui.fromPage = 2;
        ui.toPage = 4;
        ui.stopAfter = stopAfter;
        window.answers = {"/raporlar/kasim.pdf"};
        RunPrintJob(window, ui, printers, [](DrawingTarget& target) { target.Print("sayfa"); });
    }
    std::string LastEvent() const { return printers.log.events.back(); }
};

TEST(PrintProgress, ThePagesCountUpAndTheStopButtonDropsTheDocument) {
    using Steps = std::vector<std::pair<int32_t, int32_t>>;
    const struct {
        int32_t stopAfter;
        Steps progress;
        size_t sheets;
        const char* lastEvent;
    } cases[] = {
        {-1, {{0, 3}, {1, 3}, {2, 3}, {3, 3}}, 3, "EndDoc"},
        {0, {{0, 3}}, 0, "Abort"},
        {2, {{0, 3}, {1, 3}, {2, 3}}, 2, "Abort"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stopAfter);
        StoppableJob job(c.stopAfter);
        EXPECT_EQ(job.ui.progress, c.progress);
        EXPECT_EQ(job.printers.log.sheets.size(), c.sheets);
        EXPECT_EQ(job.LastEvent(), c.lastEvent);
        // A stop is the user's wish: no failure is reported, the page shown stays.
        EXPECT_EQ(job.ui.shown, std::vector<std::string>{"dialog PDF"});
        EXPECT_EQ(job.window.model.CurrentPage, 5);
    }
}

}  // namespace
