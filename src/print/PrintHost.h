#pragma once
#include <QString>
#include <string>

#include "core/ReportModel.h"
#include "platform/PrinterCatalog.h"
#include "render/PageView.h"
#include "render/RenderPage.h"

class QWidget;

// What the print job needs from the window it prints for: the report and its
// view, the printers, the 100 % command, the hourglass and a save dialog for
// the built-in PDF printer. The main window implements it.
class PrintHost {
  public:
    virtual ~PrintHost() = default;

    virtual QWidget* Widget() = 0;
    virtual ReportModel& Model() = 0;
    virtual PageView& View() = 0;
    virtual PrinterCatalog& Printers() = 0;
    // The program's current printer by name: empty, meaning the system's
    // default printer, until a print job makes its printer current.
    std::string& CurrentPrinter() { return currentPrinter_; }

    // The 100 % command (GOR_01_01).
    virtual void SetZoom100() = 0;
    virtual void UpdatePageGeometry() = 0;
    // RenderPage of CurrentPage on another target, a printer: the window's own
    // ruler is redrawn with it, as with every page drawn.
    virtual void RenderOnTarget(DrawingTarget& target) {
        RenderPage(target, Model(), View(), RulerSurface{});
    }
    // The hourglass over the main window, on or off.
    virtual void SetBusy(bool busy) = 0;
    // The file-save dialog; an empty result means the user cancelled.
    virtual QString AskSaveFileName(const QString& title, const QString& filter,
                                    const QString& proposedName) = 0;

  private:
    std::string currentPrinter_;
};
