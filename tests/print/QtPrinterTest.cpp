#include <gtest/gtest.h>

#include "PlantedTargets.h"
#include "platform/PrinterTarget.h"
#include "platform/QtPrinter.h"

using namespace Tabulon;

namespace {

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
        QtPrinter printer("PDF", dir.File("out/rapor"), [](QPainter& painter, const auto& place) {
            return std::make_unique<PrinterTarget>(painter, place);
        });
        DrawPage(printer, "yeni");
        printer.EndDoc();
        ExpectSaved(dir, c, !printer.Failed(), "%PDF-");
    }
}

}  // namespace
