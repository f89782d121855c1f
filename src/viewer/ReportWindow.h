#pragma once
#include <QString>

#include "core/NumberLocale.h"
#include "core/PageSetup.h"
#include "core/SettingsBackend.h"
#include "print/PrintHost.h"
#include "render/RenderPage.h"
#include "render/ReportPages.h"

namespace Tabulon {

// What the main window's commands (exports, dialogs) need from it, besides
// what the print job needs. FrmTabul implements it; tests may too.
class ReportWindow : public PrintHost {
  public:
    virtual SettingsBackend& Settings() = 0;
    virtual ReportPages& Pages() = 0;
    virtual PageSetup& EditableSetup() = 0;
    virtual const NumberLocale& Locale() const = 0;

    virtual int32_t CurrentPage() const = 0;
    // The page to draw next.
    virtual void SetCurrentPage(int32_t page) = 0;
    // Shows the page of a found field with the field marked and in view.
    virtual void ShowFoundField(const MarkedField& field) = 0;
    // Measures the report font on the page canvas and counts the pages again.
    virtual void MeasureOnCanvas() = 0;
    virtual void UpdatePageGeometry() = 0;
    // Draws the current page on the page canvas.
    virtual void RenderOnCanvas() = 0;
    // Commands that work on the whole report ask first: while the report is
    // still being read this waits for it (or the user cancels, false).
    virtual bool WaitForWholeReport() { return true; }

    // The save dialog's file name, kept for the whole run: the next export
    // proposes the name chosen last (the spreadsheet export clears it first).
    QString& SaveDialogFileName() { return saveDialogFileName_; }

  private:
    QString saveDialogFileName_;
};

}  // namespace Tabulon
