#include "viewer/ExportCommands.h"

#include "platform/NotAvailableYet.h"
#include "viewer/ReportWindow.h"

void DOS_01_01_01_Click(ReportWindow& window) { ShowNotAvailableYet(window.Widget()); }
void DOS_01_01_02_Click(ReportWindow& window) { ShowNotAvailableYet(window.Widget()); }
void DOS_01_02_Click(ReportWindow& window) { ShowNotAvailableYet(window.Widget()); }
void DOS_01_03_Click(ReportWindow& window) { ShowNotAvailableYet(window.Widget()); }
