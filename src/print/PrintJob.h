#pragma once
#include <functional>

#include "platform/PrinterFactory.h"
#include "print/PrintJobUi.h"
#include "render/DrawingTarget.h"

class PrintHost;

// Draws page CurrentPage of the window's report onto a target at 100 %.
using PageRenderer = std::function<void(DrawingTarget&)>;

// The print job: 100 % zoom, the print dialog, the overflow question, then
// every selected page drawn on the chosen printer with a new sheet after each
// page but the report's last; the window's page is restored afterwards
// without drawing it again. A failing printer is reported and its document
// dropped.
void RunPrintJob(PrintHost& window, PrintJobUi& ui, PrinterFactory& printers,
                 const PageRenderer& renderPage);
