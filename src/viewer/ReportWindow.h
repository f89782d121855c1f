#pragma once
#include <QString>
#include <string>

#include "core/ReportModel.h"
#include "core/SettingsBackend.h"
#include "platform/PrinterCatalog.h"
#include "print/PrintHost.h"
#include "render/PageView.h"
#include "render/RenderPage.h"

// What the commands of the other windows (exports, dialogs) need from the
// main window, besides what the print job needs. FrmTabul implements it; tests
// may too.
class ReportWindow : public PrintHost {
  public:
    virtual SettingsBackend& Settings() = 0;
    // MeasureReportFont on the page canvas (ends with the totals pass).
    virtual void MeasureOnCanvas() = 0;
    // RenderPage of CurrentPage on the page canvas.
    virtual void RenderOnCanvas() = 0;

    // The save dialog's file name, kept for the whole run: the next export
    // proposes the name chosen last (the spreadsheet export clears it first).
    QString& SaveDialogFileName() { return saveDialogFileName_; }

  private:
    QString saveDialogFileName_;
};
