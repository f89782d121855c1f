#pragma once
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <string>

#include "core/ReportModel.h"
#include "core/SettingsBackend.h"
#include "platform/PrinterCatalog.h"
#include "render/PageView.h"
#include "render/RenderPage.h"

class QWidget;

// What the commands of the other windows (print job, exports, dialogs) need
// from the main window. FrmTabul implements it; tests may too.
class ReportWindow {
  public:
    virtual ~ReportWindow() = default;

    virtual QWidget* Widget() = 0;
    virtual ReportModel& Model() = 0;
    virtual PageView& View() = 0;
    virtual PrinterCatalog& Printers() = 0;
    virtual SettingsBackend& Settings() = 0;
    // The program's current printer by name: empty, meaning the system's
    // default printer, until a print job makes its printer current.
    std::string& CurrentPrinter() { return currentPrinter_; }

    // The 100 % command (GOR_01_01).
    virtual void SetZoom100() = 0;
    virtual void UpdatePageGeometry() = 0;
    // MeasureReportFont on the page canvas (ends with the totals pass).
    virtual void MeasureOnCanvas() = 0;
    // RenderPage of CurrentPage on the page canvas.
    virtual void RenderOnCanvas() = 0;
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

    // A short note in the window's status bar ("Kaydedildi: ...").
    virtual void ShowStatusMessage(const QString& text) = 0;
    // After a save: where the file went, in full.
    void ShowSaved(const QString& fileName) {
        ShowStatusMessage(QString::fromUtf8("Kaydedildi: ") +
                          QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()));
    }

    // The save dialog's file name, kept for the whole run: the next export
    // proposes the name chosen last (the spreadsheet export clears it first).
    QString& SaveDialogFileName() { return saveDialogFileName_; }

  private:
    QString saveDialogFileName_;
    std::string currentPrinter_;
};
