#pragma once
#include "print/PrintJobUi.h"

class QWidget;

// The print job's questions as the program asks them: the print dialog and
// message boxes over the main window.
class DialogPrintJobUi : public PrintJobUi {
  public:
    explicit DialogPrintJobUi(QWidget* window) : window_(window) {}

    void ShowPrintDialog(ReportModel& model, const PrinterCatalog& printers,
                         const std::string& currentPrinter) override;
    bool ConfirmOverflow() override;
    void ShowPrinterFailure(const std::string& printerName, const std::string& reason) override;

  private:
    QWidget* window_;
};
