#include "print/PrintJob.h"

#include "print/PrintHost.h"
#include "render/DrawPages.h"
#include "render/PageSelection.h"

namespace Tabulon {

namespace {

// The file the built-in PDF printer writes; empty when the user cancelled.
std::string AskPdfFile(PrintHost& host) {
    return host
        .AskSaveFileName(QString::fromUtf8("Farklı Kaydet"),
                         QString::fromUtf8("PDF Dosyaları (*.pdf)"), QStringLiteral("rapor.pdf"))
        .toStdString();
}

}  // namespace

void RunPrintJob(PrintHost& host, PrintJobUi& ui, PrinterFactory& printers) {
    host.SetZoom100();
    const std::string current = host.CurrentPrinter().empty() ? host.Printers().DefaultPrinterName()
                                                              : host.CurrentPrinter();
    const PrintChoice choice =
        ui.ShowPrintDialog(host.PageCount(), host.Printers(), current, host.SelectedPrinter());
    if (!choice.confirmed) return;
    host.SelectedPrinter() = choice.printer;
    if (host.ColumnsOverflow() && !ui.ConfirmOverflow()) return;

    std::string pdfFile;
    if (choice.printer == PrinterCatalog::BuiltInPdfName) {
        pdfFile = AskPdfFile(host);
        if (pdfFile.empty()) return;
    }
    std::unique_ptr<Printer> printer = printers.Open(choice.printer, pdfFile);
    host.CurrentPrinter() = choice.printer;
    const PageSetup& setup = host.Setup();
    printer->SetOrientation(setup.PageOrient);
    printer->SetPaperSize(setup.PageSizeX, setup.PageSizeY);
    printer->SetDocumentName(host.DocumentName());

    const int32_t pageCount = host.PageCount();
    const std::vector<int32_t> pages =
        SelectPages(choice.fromPage, choice.toPage, pageCount).Pages();
    PagesEnd end = PagesEnd::Failed;
    if (!printer->Failed()) {
        end = DrawPages(
            *printer, pages, pageCount,
            [&](DrawingTarget& target, int32_t page) {
                host.SetBusy(true);
                host.PrintPage(target, page);
                host.SetBusy(false);
            },
            [&](int32_t printed, int32_t total) { return ui.ReportProgress(printed, total); });
    }
    if (end == PagesEnd::Done) printer->EndDoc();
    if (end == PagesEnd::Stopped) {
        // Stopped by the user: the pages so far are dropped, nothing to report.
        printer->Abort();
    } else if (printer->Failed()) {
        printer->Abort();
        ui.ShowPrinterFailure(choice.printer, printer->ErrorText());
    } else if (!pdfFile.empty()) {
        host.ShowSaved(QString::fromStdString(pdfFile));
    }
}

}  // namespace Tabulon
