#include "print/PrintCommand.h"

#include "platform/PrinterTarget.h"
#include "platform/QtPrinterFactory.h"
#include "print/DialogPrintJobUi.h"
#include "print/PrintHost.h"
#include "print/PrintJob.h"

namespace Tabulon {

void PrintReport(PrintHost& host) {
    DialogPrintJobUi ui(host.Widget());
    QtPrinterFactory printers(
        [](QPainter& painter) { return std::make_unique<PrinterTarget>(painter); });
    RunPrintJob(host, ui, printers);
}

}  // namespace Tabulon
