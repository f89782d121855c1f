#include "print/PrintCommand.h"

#include "platform/PrinterTarget.h"
#include "platform/QtPrinterFactory.h"
#include "print/DialogPrintJobUi.h"
#include "print/PrintHost.h"
#include "print/PrintJob.h"

void DOS_05_Click(PrintHost& window) {
    DialogPrintJobUi ui(window.Widget());
    QtPrinterFactory printers(
        [](QPainter& painter) { return std::make_unique<PrinterTarget>(painter); });
    RunPrintJob(window, ui, printers,
                [&window](DrawingTarget& target) { window.RenderOnTarget(target); });
}
