#pragma once
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cstdint>
#include <string>

#include "core/PageSetup.h"
#include "platform/PrinterCatalog.h"
#include "render/DrawingTarget.h"

class QWidget;

namespace Tabulon {

// What the print job needs from the window it prints for: the report's pages,
// the printers, the 100 % command, the hourglass and a save dialog for the
// built-in PDF printer. The main window implements it.
class PrintHost {
  public:
    virtual ~PrintHost() = default;

    virtual QWidget* Widget() = 0;
    virtual PrinterCatalog& Printers() = 0;
    // The program's current printer by name: empty, meaning the system's
    // default printer, until a print job makes its printer current.
    std::string& CurrentPrinter() { return currentPrinter_; }
    // The printer chosen for printing: the first of the collection at start.
    std::string& SelectedPrinter() { return selectedPrinter_; }

    virtual const PageSetup& Setup() const = 0;
    // Header line 1: the document's name for the spooler and a PDF's title.
    virtual std::string DocumentName() const = 0;
    virtual int32_t PageCount() const = 0;
    // Some column starts past the printable line, as the page was last drawn.
    virtual bool ColumnsOverflow() const = 0;

    // The 100 % command (GOR_01_01).
    virtual void SetZoom100() = 0;
    // Draws a page at 100 % on a printer's target; the window's own ruler is
    // redrawn with it, as with every page drawn.
    virtual void PrintPage(DrawingTarget& target, int32_t page) = 0;
    // The hourglass over the main window, on or off.
    virtual void SetBusy(bool busy) = 0;
    // A short note in the window's status bar ("Kaydedildi: ...").
    virtual void ShowStatusMessage(const QString& text) = 0;
    // After a save: where the file went, in full.
    void ShowSaved(const QString& fileName) {
        ShowStatusMessage(QString::fromUtf8("Kaydedildi: ") +
                          QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()));
    }
    // The file-save dialog; an empty result means the user cancelled.
    virtual QString AskSaveFileName(const QString& title, const QString& filter,
                                    const QString& proposedName) = 0;

  private:
    std::string currentPrinter_;
    std::string selectedPrinter_;
};

}  // namespace Tabulon
