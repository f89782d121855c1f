#pragma once
#include "platform/PrinterFactory.h"
#include "print/PrintJobUi.h"

namespace Tabulon {

class PrintHost;

// The print job: 100 % zoom, the print dialog, the overflow question, then
// every selected page drawn on the chosen printer with a new sheet after each
// page but the report's last; the window's page stays as it was, not drawn
// again. A failing printer is reported and its document dropped.
void RunPrintJob(PrintHost& host, PrintJobUi& ui, PrinterFactory& printers);

}  // namespace Tabulon
