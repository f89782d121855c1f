#include "print/DialogPrintJobUi.h"

#include <QMessageBox>

#include "print/FrmPrint.h"

namespace Tabulon {

namespace {
const char* const Title = "Vornak Yazılım";
}

PrintChoice DialogPrintJobUi::ShowPrintDialog(int32_t pageCount, const PrinterCatalog& printers,
                                              const std::string& currentPrinter,
                                              const std::string& selectedPrinter) {
    FrmPrint dialog(pageCount, printers, currentPrinter, selectedPrinter, window_);
    dialog.exec();
    return dialog.Choice();
}

bool DialogPrintJobUi::ConfirmOverflow() {
    const QString text = QString::fromUtf8(
        "Bazı sütunlar, sayfa dışına taşıyor. Bu sütunlar çıktıda görülmeyecektir.\n"
        "Raporu yine de yazdırmak istiyor musunuz?");
    return QMessageBox::question(window_, QString::fromUtf8(Title), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool DialogPrintJobUi::ReportProgress(int32_t printed, int32_t total) {
    if (printed >= total) {
        progress_.reset();
        return true;
    }
    const QString label =
        QString::fromUtf8("Yazdırılıyor: sayfa %1 / %2").arg(printed + 1).arg(total);
    if (!progress_) progress_ = std::make_unique<ProgressWindow>(window_, label);
    progress_->SetLabel(label);
    const bool goOn = progress_->Report(printed, total);
    if (!goOn) progress_.reset();
    return goOn;
}

void DialogPrintJobUi::ShowPrinterFailure(const std::string& printerName,
                                          const std::string& reason) {
    progress_.reset();
    const QString text = QString::fromUtf8("Rapor yazdırılamadı: ") +
                         QString::fromStdString(printerName) + QLatin1Char('\n') +
                         QString::fromStdString(reason);
    QMessageBox::critical(window_, QString::fromUtf8(Title), text);
}

}  // namespace Tabulon
