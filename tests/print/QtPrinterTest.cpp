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

// A printer that cannot be reached draws nothing, and neither throws nor
// crashes. (A stopped job leaves no file: the window's print test stops one.)
TEST(QtPrinter, APrinterThatCannotBeReachedSaysSo) {
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
