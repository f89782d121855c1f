#include "print/DialogPrintJobUi.h"

#include <QMessageBox>

#include "print/FrmPrint.h"

namespace {
const char* const Title = "Vornak Yazılım";
}

void DialogPrintJobUi::ShowPrintDialog(ReportModel& model, const PrinterCatalog& printers,
                                       const std::string& currentPrinter) {
    FrmPrint dialog(model, printers, currentPrinter, window_);
    dialog.exec();
}

bool DialogPrintJobUi::ConfirmOverflow() {
    const QString text = QString::fromUtf8(
        "Bazı sütunlar, sayfa dışına taşıyor. Bu sütunlar çıktıda görülmeyecektir.\n"
        "Raporu yine de yazdırmak istiyor musunuz?");
    return QMessageBox::question(window_, QString::fromUtf8(Title), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void DialogPrintJobUi::ShowPrinterFailure(const std::string& printerName,
                                          const std::string& reason) {
    const QString text = QString::fromUtf8("Rapor yazdırılamadı: ") +
                         QString::fromStdString(printerName) + QLatin1Char('\n') +
                         QString::fromStdString(reason);
    QMessageBox::critical(window_, QString::fromUtf8(Title), text);
}
