#include "cli/PdfCommand.h"

#include <cstdio>

#include "cli/CliSession.h"
#include "cli/SaveFailure.h"
#include "platform/PrinterCatalog.h"
#include "platform/PrinterTarget.h"
#include "platform/QtPrinter.h"
#include "render/DrawPages.h"
#include "render/SheetPlacement.h"

namespace Tabulon {

// The pages go through the window's built-in PDF printer, so a PDF written
// here is the one the window prints.
int WritePdf(CliSession& session, const std::string& outPath, const PageSelection& selection) {
    ReportPages& pages = session.pages;
    const std::vector<int32_t> chosen = selection.Pages();
    if (chosen.empty()) {
        std::fprintf(stderr, "Seçilen aralıkta yazdırılacak sayfa yok (rapor %d sayfa).\n",
                     pages.totals.pageCount);
        return 1;
    }
    QtPrinter printer(PrinterCatalog::BuiltInPdfName, outPath,
                      [](QPainter& painter, const SheetPlacement& placement) {
                          return std::make_unique<PrinterTarget>(painter, placement);
                      });
    if (Outcome<> drawn = DrawSessionPages(session, printer, chosen); !drawn.Ok()) {
        printer.Abort();
        return SaveFailure(WhileSaving(drawn.Why(), outPath));
    }
    printer.EndDoc();
    if (printer.Failed()) return SaveFailure(outPath, printer.ErrorText());
    return 0;
}

Outcome<> DrawSessionPages(CliSession& session, Printer& printer,
                           const std::vector<int32_t>& pages) {
    ReportPages& report = session.pages;
    printer.SetOrientation(session.setup.PageOrient);
    printer.SetPaperSize(session.setup.PageSizeX, session.setup.PageSizeY);
    printer.SetDocumentName(report.layout.HeaderLines[1]);
    const SheetPlacement placement =
        PlaceOnPaper(session.setup, report.metrics, report.Widths(session.setup, session.locale),
                     report.fieldCount);
    printer.SetPlacement(placement);
    const PageSetup drawnSetup = DrawnSetup(session.setup, placement);
    const PageInputs inputs = report.Inputs(drawnSetup, session.locale, session.now);
    Outcome<> unread;
    DrawPages(printer, pages, report.totals.pageCount, [&](DrawingTarget& target, int32_t page) {
        Outcome<PageDrawing> drawn = RenderPage(target, inputs, page, 1.0f, report.fieldCount);
        report.fieldCount = drawn->fieldCount;
        if (!drawn.Ok() && unread.Ok()) unread = drawn.Why();
    });
    return unread;
}

}  // namespace Tabulon
