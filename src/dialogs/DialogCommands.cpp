#include "dialogs/DialogCommands.h"

#include "platform/NotAvailableYet.h"
#include "viewer/ReportWindow.h"

void DOS_02_Click(ReportWindow& window) { ShowNotAvailableYet(window.Widget()); }
void DOS_04_Click(ReportWindow& window) { ShowNotAvailableYet(window.Widget()); }
