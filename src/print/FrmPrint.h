#pragma once
#include <QDialog>
#include <string>
#include <vector>

#include "core/ReportModel.h"
#include "platform/PrinterCatalog.h"
#include "print/FrmPrintControls.h"

// "Yazdır": the printer and the pages of one print job. It opens with "Tümü"
// and the range 1 to 1 every time, and leaves its result in the model:
// PrintConfirmed, PrintFromPage, PrintToPage and SelectedPrinter.
class FrmPrint : public QDialog {
    Q_OBJECT
  public:
    // currentPrinter is the program's current printer, which the list preselects.
    FrmPrint(ReportModel& model, const PrinterCatalog& printers, const std::string& currentPrinter,
             QWidget* parent = nullptr);

    const FrmPrintControls& Controls() const { return controls_; }

    // The close box and Escape cancel, as "Vazgeç" does.
    void reject() override;

  protected:
    // Enter in a page box and leaving it take the typed page; so does
    // pressing its spinner, which then steps on from that page.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load(const PrinterCatalog& printers, const std::string& currentPrinter);
    void Option1_Click();
    void VScroll1_Change(int index);
    void Label3_Validate(int index);
    void Command1_Click();

    ReportModel& model_;
    std::vector<std::string> printerNames_;
    FrmPrintControls controls_;
};
