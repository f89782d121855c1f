#pragma once
#include <memory>

#include "platform/ProgressWindow.h"
#include "print/PrintJobUi.h"

class QWidget;

namespace Tabulon {

// The print job's questions as the program asks them: the print dialog and
// message boxes over the main window.
class DialogPrintJobUi : public PrintJobUi {
  public:
    explicit DialogPrintJobUi(QWidget* window) : window_(window) {}

    PrintChoice ShowPrintDialog(int32_t pageCount, const PrinterCatalog& printers,
                                const std::string& currentPrinter,
                                const std::string& selectedPrinter) override;
    bool ConfirmOverflow() override;
    void ShowPrinterFailure(const std::string& printerName, const std::string& reason) override;
    // A progress bar with "İptal" from the first page to the last.
    bool ReportProgress(int32_t printed, int32_t total) override;

  private:
    QWidget* window_;
    std::unique_ptr<ProgressWindow> progress_;
};

}  // namespace Tabulon
