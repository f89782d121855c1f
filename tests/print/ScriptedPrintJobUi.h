#pragma once
#include <string>
#include <vector>

#include "print/PrintJobUi.h"

// The user's answers to the print job, set by the test beforehand. The print
// dialog's part writes the choices a confirmed (or cancelled) FrmPrint leaves.
class ScriptedPrintJobUi : public PrintJobUi {
  public:
    bool confirmDialog = true;
    int32_t fromPage = 1, toPage = 0;
    std::string printer = "Muhasebe";
    bool printDespiteOverflow = true;

    // What the job showed: "dialog <current printer>", "overflow", "failure <printer>: <reason>".
    std::vector<std::string> shown;

    void ShowPrintDialog(ReportModel& model, const PrinterCatalog&,
                         const std::string& currentPrinter) override {
        shown.push_back("dialog " + currentPrinter);
        model.PrintConfirmed = confirmDialog;
        if (!confirmDialog) return;
        model.PrintFromPage = fromPage;
        model.PrintToPage = toPage;
        model.SelectedPrinter = printer;
    }
    bool ConfirmOverflow() override {
        shown.push_back("overflow");
        return printDespiteOverflow;
    }
    void ShowPrinterFailure(const std::string& printerName, const std::string& reason) override {
        shown.push_back("failure " + printerName + ": " + reason);
    }
};
