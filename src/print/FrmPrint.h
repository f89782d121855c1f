#pragma once
#include <QDialog>
#include <string>
#include <vector>

#include "platform/PrinterCatalog.h"
#include "print/FrmPrintControls.h"
#include "print/PrintChoice.h"

namespace Tabulon {

// "Yazdır": the printer and the pages of one print job over a report of
// pageCount pages. It opens with "Tümü" and the range 1 to 1 every time.
class FrmPrint : public QDialog {
    Q_OBJECT
  public:
    // currentPrinter is the program's current printer, which the list
    // preselects; selectedPrinter is what a confirm keeps when the list is empty.
    FrmPrint(int32_t pageCount, const PrinterCatalog& printers, const std::string& currentPrinter,
             const std::string& selectedPrinter, QWidget* parent = nullptr);

    const FrmPrintControls& Controls() const { return controls_; }
    // The user's choice once the dialog has closed; not confirmed when cancelled.
    const PrintChoice& Choice() const { return choice_; }

    // The close box and Escape cancel, as "Vazgeç" does.
    void reject() override;

  protected:
    // Enter in a page box and leaving it take the typed page; so does
    // pressing its spinner, which then steps on from that page.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FillControls(const PrinterCatalog& printers, const std::string& currentPrinter);
    void EnableRangeForItsOption();
    void ShowSpinnerPage(int index);
    void Label3_Validate(int index);
    void ConfirmPrint();

    int32_t pageCount_;
    PrintChoice choice_;
    std::vector<std::string> printerNames_;
    FrmPrintControls controls_;
};

}  // namespace Tabulon
