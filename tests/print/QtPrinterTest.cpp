#include <gtest/gtest.h>

#include "PdfTools.h"
#include "TestSupport.h"
#include "platform/PrinterTarget.h"
#include "platform/QtPrinter.h"

namespace {

PainterTargetMaker PaperTarget() {
    return [](QPainter& painter) { return std::make_unique<PrinterTarget>(painter); };
}

// Draws a line of text on the current sheet.
void DrawPage(Printer& printer, const std::string& text) {
    DrawingTarget& target = printer.Target();
    target.SetFont("Arial");
    target.SetFontSize(12);
    target.PSet(1440, 1440, Black);
    target.Print(text);
}

struct SheetCase {
    const char* name;
    // Drawn pages ("p<text>") and new pages ("N"), in order.
    std::vector<std::string> steps;
    int sheets;
};

class QtPrinterPdf : public ::testing::TestWithParam<SheetCase> {};

TEST_P(QtPrinterPdf, NewPageBeforeTheEndAddsNoEmptySheet) {
    const SheetCase& c = GetParam();
    TempDir dir;
    const std::string file = dir.File("out.pdf");
    QtPrinter printer("PDF", file, PaperTarget());
    printer.SetOrientation(1);
    printer.SetPaperSize(11906, 16838);
    std::vector<std::string> texts;
    for (const std::string& step : c.steps) {
        if (step == "N") {
            printer.NewPage();
        } else {
            DrawPage(printer, step);
            texts.push_back(step);
        }
    }
    printer.EndDoc();
    ASSERT_FALSE(printer.Failed()) << printer.ErrorText();
    ASSERT_EQ(PdfPageCount(file), c.sheets);
    for (int sheet = 1; sheet <= c.sheets; ++sheet)
        EXPECT_NE(PdfText(file, sheet).find(texts[sheet - 1]), std::string::npos) << sheet;
    // Only the finished document is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, QtPrinterPdf,
    ::testing::Values(SheetCase{"OnePage", {"Sayfa bir"}, 1},
                      SheetCase{"TwoPages", {"Sayfa bir", "N", "Sayfa iki"}, 2},
                      SheetCase{"EndsWithNewPage", {"Sayfa bir", "N", "Sayfa iki", "N"}, 2},
                      SheetCase{"TwoNewPagesInARow", {"Sayfa bir", "N", "N", "Sayfa iki"}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtPrinter, LaysTheSheetOutWithTheReportsPaperAndOrientation) {
    struct Case {
        int16_t orientation;
        int32_t width, height;
        const char* pageSize;
        int32_t targetWidth, targetHeight;
    };
    for (const Case& c : {Case{1, 11906, 16838, "595 x 842 pts (A4)", 11906, 16838},
                          Case{2, 16838, 11906, "842 x 595 pts (A4)", 16838, 11906},
                          Case{1, 12240, 15840, "612 x 792 pts (letter)", 12240, 15840}}) {
        SCOPED_TRACE(c.pageSize);
        TempDir dir;
        const std::string file = dir.File("paper.pdf");
        QtPrinter printer("PDF", file, PaperTarget());
        printer.SetOrientation(c.orientation);
        printer.SetPaperSize(c.width, c.height);
        DrawPage(printer, "Kağıt");
        // A size close to a standard sheet becomes that sheet, in whole points.
        EXPECT_NEAR(printer.Target().Width(), c.targetWidth, 10);
        EXPECT_NEAR(printer.Target().Height(), c.targetHeight, 10);
        printer.EndDoc();
        EXPECT_NE(PdfInfo(file).find(c.pageSize), std::string::npos) << PdfInfo(file);
    }
}

TEST(QtPrinter, DocumentsThatDoNotCompleteLeaveAnOlderFileAlone) {
    TempDir dir;
    const std::string file = dir.File("eski.pdf");
    WriteBytes(file, "older document");
    {
        QtPrinter nothingDrawn("PDF", file, PaperTarget());
        nothingDrawn.EndDoc();
        EXPECT_FALSE(nothingDrawn.Failed());
    }
    {
        QtPrinter aborted("PDF", file, PaperTarget());
        DrawPage(aborted, "yarım");
        aborted.Abort();
    }
    {
        QtPrinter neverEnded("PDF", file, PaperTarget());
        DrawPage(neverEnded, "yarım");
    }
    EXPECT_EQ(ReadBytes(file), "older document");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(QtPrinter, FailsWhenItCannotBeReached) {
    TempDir dir;
    const std::string missingFolder = dir.File("yok") + "/rapor.pdf";
    QtPrinter pdf("PDF", missingFolder, PaperTarget());
    EXPECT_TRUE(pdf.Failed());
    EXPECT_NE(pdf.ErrorText().find(missingFolder), std::string::npos) << pdf.ErrorText();
    // A failed printer draws nothing and does not throw or crash.
    DrawPage(pdf, "hiç");
    pdf.NewPage();
    pdf.EndDoc();
    EXPECT_FALSE(std::filesystem::exists(missingFolder));

    QtPrinter gone("Böyle Bir Yazıcı Yok", "", PaperTarget());
    EXPECT_TRUE(gone.Failed());
    EXPECT_EQ(gone.ErrorText(), "Yazıcı bulunamadı.");
}

}  // namespace
