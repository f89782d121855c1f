#include <gtest/gtest.h>

#include "PlantedTargets.h"
#include "ProgramRun.h"
#include "platform/PrinterTarget.h"
#include "platform/QtPrinter.h"

using namespace Tabulon;

namespace {

// The built-in PDF printer writing to `file`, drawing through the paper target.
std::unique_ptr<QtPrinter> PdfPrinter(const std::string& file) {
    return std::make_unique<QtPrinter>(
        "PDF", file, [](QPainter& painter) { return std::make_unique<PrinterTarget>(painter); });
}

void DrawPage(Printer& printer, const std::string& text) {
    printer.Target().PSet(1440, 1440, Black);
    printer.Target().Print(text);
}

size_t FilesIn(const TempDir& dir) {
    return std::distance(std::filesystem::directory_iterator(dir.Path()), {});
}

// The sheet takes the report's orientation, the size named in portrait terms
// so that a close match to A4 is A4.
TEST(QtPrinter, LaysTheSheetOutWithTheReportsPaperAndOrientation) {
    for (auto [orientation, pageSize] :
         {std::pair{1, "595 x 842 pts (A4)"}, {2, "842 x 595 pts (A4)"}}) {
        TempDir dir;
        const std::string file = dir.File("paper.pdf");
        auto printer = PdfPrinter(file);
        printer->SetOrientation(orientation);
        printer->SetPaperSize(orientation == 1 ? 11906 : 16838, orientation == 1 ? 16838 : 11906);
        DrawPage(*printer, "Kağıt");
        EXPECT_NEAR(printer->Target().Width(), orientation == 1 ? 11906 : 16838, 10);
        printer->EndDoc();
        EXPECT_NE(PdfInfo(file).find(pageSize), std::string::npos) << PdfInfo(file);
        EXPECT_EQ(FilesIn(dir), 1u);  // the finished document only
    }
}

// Empty, aborted or never ended, a document leaves an older file alone; a
// printer that cannot be reached draws nothing, and neither throws nor crashes.
TEST(QtPrinter, DocumentsThatDoNotCompleteLeaveAnOlderFileAlone) {
    TempDir dir;
    const std::string file = dir.File("eski.pdf");
    WriteBytes(file, "older document");
    auto empty = PdfPrinter(file);
    empty->EndDoc();
    EXPECT_FALSE(empty->Failed());
    auto aborted = PdfPrinter(file);
    DrawPage(*aborted, "yarım");
    aborted->Abort();
    DrawPage(*PdfPrinter(file), "yarım");
    EXPECT_EQ(ReadBytes(file), "older document");
    EXPECT_EQ(FilesIn(dir), 1u);
    QtPrinter gone("Böyle Bir Yazıcı Yok", "", nullptr);
    DrawPage(gone, "hiç");
    gone.NewPage();
    gone.EndDoc();
    EXPECT_TRUE(gone.Failed() && gone.ErrorText() == "Yazıcı bulunamadı.") << gone.ErrorText();
}

TEST(QtPrinter, ReplacesTheFileThePathLeadsToAndKeepsItsPermissions) {
    TableUmask umask;
    for (const PlantedTarget& c : PlantedTargets()) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (!Plant(dir, c)) continue;
        auto printer = PdfPrinter(dir.File("out/rapor"));
        DrawPage(*printer, "yeni");
        printer->EndDoc();
        ExpectSaved(dir, c, !printer->Failed(), "%PDF-");
    }
}

}  // namespace
