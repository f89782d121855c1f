#include "viewer/DialogCommands.h"

#include "dialogs/FrmChgHeaders.h"
#include "dialogs/FrmPageSetup.h"
#include "viewer/ReportWindow.h"

namespace Tabulon {

namespace {

// Font, margins or headers may have changed, so the pages are measured and
// counted again and the report starts over at page 1, confirmed or not.
void ShowFirstPageAgain(ReportWindow& window) {
    window.SetCurrentPage(1);
    window.MeasureOnCanvas();
    window.UpdatePageGeometry();
    window.RenderOnCanvas();
}

// The hourglass stays over the main window for as long as the dialog is open.
template <typename Dialog, typename... Args>
void ShowModal(ReportWindow& window, Args&... args) {
    window.SetBusy(true);
    {
        Dialog dialog(args..., window.Widget());
        dialog.exec();
    }
    window.SetBusy(false);
}

}  // namespace

void EditReportHeaders(ReportWindow& window) {
    ShowModal<FrmChgHeaders>(window, window.Pages().layout);
    ShowFirstPageAgain(window);
}

void EditPageSetup(ReportWindow& window) {
    ShowModal<FrmPageSetup>(window, window.EditableSetup(), window.Settings());
    ShowFirstPageAgain(window);
}

}  // namespace Tabulon
