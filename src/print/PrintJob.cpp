#include "print/PrintJob.h"

#include <algorithm>

#include "render/PageSelection.h"
#include "viewer/ReportWindow.h"

namespace {

bool AnyColumnOverflows(const ReportModel& model, const PageView& view) {
    const int columns = std::min<int>(model.FieldCount, ReportModel::DescribedColumns);
    for (int c = 1; c <= columns; ++c)
        if (!view.ColumnFits[c]) return true;
    return false;
}

// The file the built-in PDF printer writes; empty when the user cancelled.
std::string AskPdfFile(ReportWindow& window) {
    return window
        .AskSaveFileName(QString::fromUtf8("Farklı Kaydet"),
                         QString::fromUtf8("PDF Dosyaları (*.pdf)"), QStringLiteral("rapor.pdf"))
        .toStdString();
}

// False when the user stopped the job before its end.
bool PrintPages(ReportWindow& window, PrintJobUi& ui, Printer& printer,
                const PageRenderer& renderPage) {
    ReportModel& model = window.Model();
    const std::vector<int32_t> pages =
        SelectPages(model.PrintFromPage, model.PrintToPage, model.PageCount).Pages();
    const auto total = static_cast<int32_t>(pages.size());
    for (int32_t printed = 0; printed < total; ++printed) {
        if (!ui.ReportProgress(printed, total)) return false;
        const int32_t page = pages[printed];
        model.CurrentPage = page;
        window.UpdatePageGeometry();
        window.SetBusy(true);
        renderPage(printer.Target());
        window.SetBusy(false);
        if (printer.Failed()) return true;
        // Also after the last selected page when it is not the report's last:
        // the printer adds no empty sheet for a new page that ends the document.
        if (page != model.PageCount) printer.NewPage();
        if (printer.Failed()) return true;
    }
    ui.ReportProgress(total, total);
    printer.EndDoc();
    return true;
}

}  // namespace

void RunPrintJob(ReportWindow& window, PrintJobUi& ui, PrinterFactory& printers,
                 const PageRenderer& renderPage) {
    ReportModel& model = window.Model();

    window.SetZoom100();
    const std::string current = window.CurrentPrinter().empty()
                                    ? window.Printers().DefaultPrinterName()
                                    : window.CurrentPrinter();
    ui.ShowPrintDialog(model, window.Printers(), current);
    if (!model.PrintConfirmed) return;

    const int32_t shownPage = model.CurrentPage;
    if (AnyColumnOverflows(model, window.View()) && !ui.ConfirmOverflow()) return;

    std::string pdfFile;
    if (model.SelectedPrinter == PrinterCatalog::BuiltInPdfName) {
        pdfFile = AskPdfFile(window);
        if (pdfFile.empty()) return;
    }
    std::unique_ptr<Printer> printer = printers.Open(model.SelectedPrinter, pdfFile);
    window.CurrentPrinter() = model.SelectedPrinter;
    printer->SetOrientation(model.PageOrient);
    printer->SetPaperSize(model.PageSizeX, model.PageSizeY);

    const bool finished = printer->Failed() || PrintPages(window, ui, *printer, renderPage);
    model.CurrentPage = shownPage;
    if (!finished) {
        // Stopped by the user: the pages so far are dropped, nothing to report.
        printer->Abort();
    } else if (printer->Failed()) {
        printer->Abort();
        ui.ShowPrinterFailure(model.SelectedPrinter, printer->ErrorText());
    } else if (!pdfFile.empty()) {
        window.ShowSaved(QString::fromStdString(pdfFile));
    }
}
