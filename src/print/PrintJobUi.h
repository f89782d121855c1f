#pragma once
#include <cstdint>
#include <string>

#include "platform/PrinterCatalog.h"
#include "print/PrintChoice.h"

namespace Tabulon {

// What the print job asks of the user: the window's own dialogs in the
// program, scripted answers in tests.
class PrintJobUi {
  public:
    virtual ~PrintJobUi() = default;

    // FrmPrint, modal, over a report of pageCount pages; currentPrinter is the
    // entry it preselects, selectedPrinter what a confirm without printers keeps.
    virtual PrintChoice ShowPrintDialog(int32_t pageCount, const PrinterCatalog& printers,
                                        const std::string& currentPrinter,
                                        const std::string& selectedPrinter) = 0;
    // Columns run past the paper's right edge: print anyway?
    virtual bool ConfirmOverflow() = 0;
    virtual void ShowPrinterFailure(const std::string& printerName, const std::string& reason) = 0;
    // Before each page: how many of the selected pages have gone to the
    // printer; false when the user stops the job. One that shows no progress
    // never stops it.
    virtual bool ReportProgress(int32_t printed, int32_t total) {
        (void)printed;
        (void)total;
        return true;
    }
};

}  // namespace Tabulon
