#include "print/PrintCommand.h"

#include "platform/NotAvailableYet.h"
#include "viewer/ReportWindow.h"

void DOS_05_Click(ReportWindow& window) { ShowNotAvailableYet(window.Widget()); }
