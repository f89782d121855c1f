// The window's report: opened at the start (or chosen from the desktop),
// opened in place of another, read again when its file changed, dropped on
// the window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

#include "core/SettingsStore.h"
#include "core/WorkFilePrefix.h"
#include "platform/Messages.h"
#include "platform/ProgressWindow.h"
#include "viewer/ColumnRuler.h"
#include "viewer/ColumnWidthMemory.h"
#include "viewer/FilterCommand.h"
#include "viewer/FindCommand.h"
#include "viewer/FrmTabul.h"
#include "viewer/PageDesk.h"
#include "viewer/PictureBox.h"
#include "viewer/RecentReportsMenu.h"
#include "viewer/ReportWatcher.h"
#include "viewer/SelectionCommand.h"
#include "viewer/ViewerStatusBar.h"

namespace Tabulon {

namespace {
const QString CaptionTail = QString::fromUtf8("-Rapor Görüntüleyici");
}  // namespace

bool FrmTabul::Start(const std::string& givenPath, bool fromDesktop) {
    const std::vector<std::string> printers = printers_.PrinterNames();
    if (printers.empty()) {
        ShowCritical(QString::fromStdString(NoPrinterText));
        exitStatus_ = 1;
        return false;
    }
    // The first printer of the collection, not the system's default one.
    SelectedPrinter() = printers.front();
    currentPage_ = 1;
    const LoadedSettings stored =
        LoadSettings(settings_, [this] { return printers_.DefaultOrientation(); });
    setup_ = stored.setup;
    UpdatePageGeometry();
    const std::string reportPath =
        fromDesktop && givenPath.empty() ? AskForReportPath() : givenPath;
    if (fromDesktop && reportPath.empty()) {
        exitStatus_ = 0;
        return false;
    }
    // Before the window shows, a progress bar stands in for it until the
    // first page is read, and its button ends the program instead; the rest
    // is read while the window shows.
    reportPath_ = reportPath;
    if (!LoadInBackground(reportPath)) return false;
    columnRuler_->HideIndicator();
    if (stored.reset) ShowStatusMessage(QString::fromStdString(SettingsResetText(stored)));
    return true;
}

void FrmTabul::RefreshReport() {
    if (OpenReport(reportPath_, true, true) && !status_->ReadAgainShown())
        status_->ShowNote(QString::fromUtf8("Rapor yenilendi"));
}

void FrmTabul::ShowOpened(const std::string& reportPath, const LoadResult& loaded) {
    reportPath_ = reportPath;
    watcher_->Watch(reportPath);
    recent_->Opened(reportPath);
    widthMemory_->Opened(pages_.layout);
    ShowTitle();
    status_->ShowReadAgain(loaded.changedWhileRead);
}

void FrmTabul::ShowTitle() {
    setWindowTitle(QString::fromStdString(pages_.layout.HeaderLines[1]) + CaptionTail);
}

LoadResult FrmTabul::Load(ReportPages& pages, const std::string& reportPath,
                          QWidget* progressParent) {
    const WorkFilePlace place = WorkFilePrefix();
    if (place.temporaryFolderMissing)
        ShowCritical(QString::fromStdString(TemporaryFolderMissingText));
    const QString name = QFileInfo(QString::fromStdString(reportPath)).fileName();
    ProgressWindow progress(progressParent, QString::fromUtf8("Rapor okunuyor: ") + name);
    LoadOptions options;
    options.locale = environment_.locale;
    options.progress = progress.Callback();
    options.freeSpace = environment_.freeSpace;
    return OpenReportPages(pages, reportPath, RowStorePath(place.prefix), std::move(options),
                           Canvas()->Target(), setup_);
}

void FrmTabul::ShowLoadFailure(const LoadResult& loaded) {
    if (loaded.outcome.Stopped()) return;
    ShowCritical(QString::fromStdString(LoadFailureText(loaded)));
}

bool FrmTabul::OpenReport(const std::string& reportPath, bool keepPage, bool quiet) {
    // The report still being read is read to its end first: its rows are
    // written where the new report's would go.
    if (!WaitForWholeReport()) return false;
    ReportPages opened;
    const LoadResult loaded = Load(opened, reportPath, this);
    if (!loaded.Ok()) {
        if (quiet && !loaded.outcome.Stopped())
            status_->ShowNote(QString::fromStdString(LoadFailureText(loaded)).replace('\n', ' '));
        if (!quiet) ShowLoadFailure(loaded);
        return false;
    }
    // The old rows go with their working file as the new report takes its
    // place, once no sum or count is being worked out over them; a filter
    // goes with the report it narrowed.
    selection_->Forget();
    find_->Forget();
    filter_->Forget();
    pages_ = std::move(opened);
    find_->ReportOpened();
    currentPage_ = keepPage ? std::clamp(currentPage_, 1, pages_.totals.pageCount) : 1;
    ShowOpened(reportPath, loaded);
    desk_->ScrollToCorner();
    UpdatePageGeometry();
    RenderOnCanvas();
    return true;
}

std::string FrmTabul::AskForReportPath() {
    const QString path = QFileDialog::getOpenFileName(
        this, QString::fromUtf8("Rapor Aç"), QString(),
        QString::fromUtf8("Rapor Dosyaları (*.txt *.TXT);;Tüm Dosyalar (*)"));
    return QFile::encodeName(path).toStdString();
}

void FrmTabul::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() && !data->urls().isEmpty() && data->urls().front().isLocalFile())
        event->acceptProposedAction();
}

void FrmTabul::dropEvent(QDropEvent* event) {
    const QString path = event->mimeData()->urls().front().toLocalFile();
    event->acceptProposedAction();
    OpenReport(QFile::encodeName(path).toStdString());
}

// A shown find bar or docked hit list leaves the desk the client area's room.

}  // namespace Tabulon
