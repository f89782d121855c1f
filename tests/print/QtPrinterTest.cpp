#include <gtest/gtest.h>

#include "PlantedTargets.h"
#include "platform/PrinterTarget.h"
#include "platform/QtPrinter.h"

using namespace Tabulon;

namespace {

// The built-in PDF printer writing to `file`, drawing through the paper target.
std::unique_ptr<QtPrinter> PdfPrinter(const std::string& file) {
    return std::make_unique<QtPrinter>(
        "PDF", file, [](QPainter& painter, const SheetPlacement& placement) {
            return std::make_unique<PrinterTarget>(painter, placement);
        });
}

void DrawPage(Printer& printer, const std::string& text) {
    printer.Target().PSet(1440, 1440, Black);
    printer.Target().Print(text);
}

// Aborted or never ended, a document leaves an older file alone; a
// printer that cannot be reached draws nothing, and neither throws nor crashes.
TEST(QtPrinter, DocumentsThatDoNotCompleteLeaveAnOlderFileAlone) {
    TempDir dir;
    const std::string file = dir.File("eski.pdf");
    WriteBytes(file, "older document");
    auto aborted = PdfPrinter(file);
    DrawPage(*aborted, "yarım");
    aborted->Abort();
    DrawPage(*PdfPrinter(file), "yarım");
    EXPECT_EQ(ReadBytes(file), "older document");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
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
