#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingPrinterFactory.h"
#include "RecordingReportWindow.h"
#include "ScriptedPrintJobUi.h"
#include "print/PrintJob.h"

namespace {

// Runs one job whose renderer writes the page number on each sheet.
struct JobRun {
    RecordingReportWindow window;
    ScriptedPrintJobUi ui;
    RecordingPrinterFactory printers;

    // A five-page portrait A4 report of three columns, all fitting, shown at
    // 50 %, with two system printers and the PDF one.
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
        model.SelectedPrinter = "Muhasebe";
        window.view.ZoomFactor = 0.5f;
        window.view.ColumnFits.fill(true);
    }

    void Run() {
        RunPrintJob(window, ui, printers, [this](DrawingTarget& target) {
            target.Print("page " + std::to_string(window.model.CurrentPage));
        });
    }

    // The pages that reached paper, one entry per sheet.
    std::vector<int> PrintedPages() const {
        std::vector<int> pages;
        for (const auto& sheet : printers.log.sheets) {
            EXPECT_EQ(sheet.size(), 1u);
            pages.push_back(sheet.empty() ? 0 : std::stoi(sheet.front().substr(5)));
        }
        return pages;
    }

    // The printer's events after the page setup, shortened: s (a sheet
    // starts), N (NewPage), E (EndDoc), A (Abort).
    std::string Flow() const {
        std::string flow;
        for (const auto& event : printers.log.events) {
            char code = 0;
            if (event.rfind("sheet", 0) == 0) code = 's';
            if (event == "NewPage") code = 'N';
            if (event == "EndDoc") code = 'E';
            if (event == "Abort") code = 'A';
            if (code) flow += flow.empty() ? std::string(1, code) : std::string(" ") + code;
        }
        return flow;
    }
};

struct SelectionCase {
    const char* name;
    int32_t pageCount, from, to;
    std::vector<int> pages;
    const char* flow;
};

class PageSelectionJob : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(PageSelectionJob, PrintsTheSelectedPagesOnePerSheet) {
    const SelectionCase& c = GetParam();
    JobRun job;
    job.window.model.PageCount = c.pageCount;
    job.ui.fromPage = c.from;
    job.ui.toPage = c.to;
    job.Run();
    EXPECT_EQ(job.PrintedPages(), c.pages);
    EXPECT_EQ(job.Flow(), c.flow);
}

// A new sheet follows every page but the report's last, whatever the
// selection; the printer drops one that only precedes the end of the document.
INSTANTIATE_TEST_SUITE_P(
    Selections, PageSelectionJob,
    ::testing::Values(SelectionCase{"AllOfThree", 3, 1, 3, {1, 2, 3}, "s N s N s E"},
                      SelectionCase{"RangeEndingEarly", 5, 2, 3, {2, 3}, "s N s N E"},
                      SelectionCase{"LastPageOnly", 5, 5, 5, {5}, "s E"},
                      SelectionCase{"FirstAfterLast", 5, 4, 2, {}, "E"},
                      SelectionCase{"NoLastPageMeansAll", 2, 1, 0, {1, 2}, "s N s E"},
                      SelectionCase{"NoLastPageStartsAtOne", 3, 2, -1, {1, 2, 3}, "s N s N s E"},
                      SelectionCase{"RangePastTheEnd", 4, 3, 9, {3, 4}, "s N s E"},
                      SelectionCase{"OddOfFour", 4, -1, -1, {1, 3}, "s N s N E"},
                      SelectionCase{"EvenOfFour", 4, -2, -2, {2, 4}, "s N s E"},
                      SelectionCase{"OddOfFive", 5, -1, -1, {1, 3, 5}, "s N s N s E"},
                      SelectionCase{"EvenOfFive", 5, -2, -2, {2, 4}, "s N s N E"},
                      SelectionCase{"AnyOtherNegativeIsOdd", 4, -7, 3, {1, 3}, "s N s N E"},
                      SelectionCase{"ZeroIsOdd", 3, 0, 0, {1, 3}, "s N s E"},
                      SelectionCase{"EvenOfOne", 1, -2, -2, {}, "E"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintJob, ZoomsToFullSizeFirstAndRestoresThePageWithoutDrawingIt) {
    JobRun job;
    job.window.model.CurrentPage = 5;
    job.ui.fromPage = 2;
    job.ui.toPage = 3;
    job.Run();
    EXPECT_EQ(job.window.calls,
              (std::vector<std::string>{"SetZoom100@5", "UpdatePageGeometry@2", "SetBusy(true)",
                                        "SetBusy(false)", "UpdatePageGeometry@3", "SetBusy(true)",
                                        "SetBusy(false)"}));
    EXPECT_EQ(job.ui.shown.size(), 1u);
    EXPECT_EQ(job.window.model.CurrentPage, 5);
    EXPECT_EQ(job.window.view.ZoomFactor, 1.0f);
}

TEST(PrintJob, CancelledDialogPrintsNothingButLeavesTheViewAtFullSize) {
    JobRun job;
    job.window.model.CurrentPage = 4;
    job.ui.confirmDialog = false;
    job.Run();
    EXPECT_EQ(job.printers.opened, 0);
    EXPECT_EQ(job.window.calls, std::vector<std::string>{"SetZoom100@4"});
    EXPECT_EQ(job.window.view.ZoomFactor, 1.0f);
    EXPECT_EQ(job.window.model.CurrentPage, 4);
}

TEST(PrintJob, CancelAfterAConfirmedJobPrintsNothing) {
    JobRun job;
    job.Run();
    ASSERT_EQ(job.printers.opened, 1);
    job.ui.confirmDialog = false;
    job.Run();
    EXPECT_EQ(job.printers.opened, 1);
}

struct OverflowCase {
    const char* name;
    int16_t fieldCount;
    int columnThatDoesNotFit;  // 0: every column fits
    bool answer;
    bool asked;
    bool printed;
};

class OverflowWarning : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(OverflowWarning, AsksOnlyWhenAColumnOfTheReportDoesNotFit) {
    const OverflowCase& c = GetParam();
    JobRun job;
    job.window.model.FieldCount = c.fieldCount;
    job.window.model.CurrentPage = 3;
    if (c.columnThatDoesNotFit) job.window.view.ColumnFits[c.columnThatDoesNotFit] = false;
    job.ui.printDespiteOverflow = c.answer;
    job.Run();
    const bool asked = job.ui.shown.size() > 1 && job.ui.shown[1] == "overflow";
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(job.printers.opened == 1, c.printed);
    EXPECT_EQ(job.PrintedPages().size(), c.printed ? 5u : 0u);
    EXPECT_EQ(job.window.model.CurrentPage, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, OverflowWarning,
    ::testing::Values(OverflowCase{"AllFit", 3, 0, false, false, true},
                      OverflowCase{"NoStops", 3, 2, false, true, false},
                      OverflowCase{"YesPrints", 3, 3, true, true, true},
                      OverflowCase{"BeyondTheFieldsIgnored", 3, 4, false, false, true},
                      OverflowCase{"LastRulerColumn", 150, 50, false, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintJob, SetsOrientationAndPaperBeforeTheFirstSheet) {
    JobRun job;
    job.window.model.PageOrient = 2;
    job.window.model.PageSizeX = 16838;
    job.window.model.PageSizeY = 11906;
    job.ui.fromPage = 1;
    job.ui.toPage = 1;
    job.Run();
    ASSERT_GE(job.printers.log.events.size(), 3u);
    EXPECT_EQ(job.printers.log.events[0], "orientation 2");
    EXPECT_EQ(job.printers.log.events[1], "paper 16838x11906");
    EXPECT_EQ(job.printers.log.events[2], "sheet 1");
    EXPECT_EQ(job.printers.log.name, "Muhasebe");
}

TEST(PrintJob, PdfPrinterWritesWhereTheUserSaysAndNothingWhenCancelled) {
    JobRun job;
    job.ui.printer = "PDF";
    job.Run();
    ASSERT_EQ(job.window.questions.size(), 1u);
    EXPECT_EQ(job.window.questions[0].title, QString::fromUtf8("Farklı Kaydet"));
    EXPECT_EQ(job.window.questions[0].filter, QString::fromUtf8("PDF Dosyaları (*.pdf)"));
    EXPECT_EQ(job.printers.opened, 0);
    EXPECT_EQ(job.window.CurrentPrinter(), "");

    job.window.answers = {"/raporlar/kasim.pdf"};
    job.Run();
    EXPECT_EQ(job.printers.opened, 1);
    EXPECT_EQ(job.printers.log.name, "PDF");
    EXPECT_EQ(job.printers.log.pdfFile, "/raporlar/kasim.pdf");
    EXPECT_EQ(job.PrintedPages().size(), 5u);
}

TEST(PrintJob, SystemPrinterAsksForNoFile) {
    JobRun job;
    job.Run();
    EXPECT_TRUE(job.window.questions.empty());
    EXPECT_EQ(job.printers.log.pdfFile, "");
}

TEST(PrintJob, NextDialogOffersThePrinterOfTheLastJob) {
    JobRun job;
    job.ui.printer = "Muhasebe";
    job.Run();
    job.Run();
    EXPECT_EQ(job.ui.shown, (std::vector<std::string>{"dialog Depo Lazer", "dialog Muhasebe"}));
}

struct FailureCase {
    const char* name;
    bool failOnOpen;
    int failAtSheet;
    std::vector<int> pages;
    const char* flow;
};

class FailingPrinter : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailingPrinter, IsReportedAndItsDocumentDropped) {
    const FailureCase& c = GetParam();
    JobRun job;
    job.window.model.CurrentPage = 2;
    job.printers.log.failOnOpen = c.failOnOpen;
    job.printers.log.failAtSheet = c.failAtSheet;
    job.Run();
    EXPECT_EQ(job.PrintedPages(), c.pages);
    EXPECT_EQ(job.Flow(), c.flow);
    ASSERT_EQ(job.ui.shown.size(), 2u);
    EXPECT_EQ(job.ui.shown[1], "failure Muhasebe: Kağıt sıkıştı.");
    EXPECT_EQ(job.window.model.CurrentPage, 2);
    // The hourglass is off again.
    const auto& calls = job.window.calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetBusy(true)"),
              std::count(calls.begin(), calls.end(), "SetBusy(false)"));
}

INSTANTIATE_TEST_SUITE_P(Faults, FailingPrinter,
                         ::testing::Values(FailureCase{"WhenOpened", true, 0, {}, "A"},
                                           FailureCase{"AtFirstSheet", false, 1, {}, "A"},
                                           FailureCase{
                                               "AtThirdSheet", false, 3, {1, 2}, "s N s N A"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
