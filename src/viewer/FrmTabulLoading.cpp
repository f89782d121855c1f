// The window's report read in the background: page 1 is shown as soon as it
// is read, the pages read can be turned to, a page not yet read and the
// commands that need the whole report wait for it, with a progress bar that
// can be cancelled.
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "core/WorkFilePrefix.h"
#include "platform/Messages.h"
#include "platform/ProgressWindow.h"
#include "render/MeasureReportFont.h"
#include "render/ShownWidths.h"
#include "viewer/BackgroundLoad.h"
#include "viewer/ColumnWidthMemory.h"
#include "viewer/FindCommand.h"
#include "viewer/FrmTabul.h"
#include "viewer/PictureBox.h"
#include "viewer/ViewerStatusBar.h"

namespace Tabulon {

bool FrmTabul::LoadInBackground(const std::string& reportPath) {
    const WorkFilePlace place = WorkFilePrefix();
    if (place.temporaryFolderMissing)
        ShowCritical(QString::fromStdString(TemporaryFolderMissingText));
    pages_ = ReportPages();
    readSoFarShown_ = false;
    loadFailed_ = false;
    loadFont_ = MeasureReportFont(Canvas()->Target(), setup_, 0);
    load_ = std::make_unique<BackgroundLoad>(BackgroundLoad::Request{
        reportPath, RowStorePath(place.prefix), environment_.locale, loadFont_, &pages_.rows,
        environment_.freeSpace, environment_.loadWatch});
    connect(load_.get(), &BackgroundLoad::ReadSoFar, this, &FrmTabul::ShowReadSoFar);
    // Queued again, so the load is dropped outside its own signal.
    connect(load_.get(), &BackgroundLoad::Finished, this, &FrmTabul::EndLoad, Qt::QueuedConnection);
    if (!loadTick_) {
        loadTick_ = new QTimer(this);
        connect(loadTick_, &QTimer::timeout, this, [this] {
            if (load_) status_->ShowLoading(load_->Progress());
        });
    }
    loadTick_->start(200);
    if (!WaitForLoad([this] { return readSoFarShown_; }, nullptr)) {
        if (load_) {
            load_.reset();
            pages_.rows.Discard();
            exitStatus_ = 1;
        }
        return false;
    }
    return true;
}

void FrmTabul::ShowReadSoFar() {
    if (!load_) return;
    std::optional<LoadedSoFar> soFar = load_->TakeSoFar();
    if (!soFar) return;
    const bool first = !readSoFarShown_;
    readSoFarShown_ = true;
    const ColumnWidthTable before = pages_.Widths(setup_, Locale());
    pages_.layout = std::move(soFar->layout);
    // Each part read brings the widths measured so far: a width set on the
    // ruler meanwhile, remembered for these titles, goes back on them.
    widthMemory_->Opened(pages_.layout);
    if (first) pages_.fieldCount = soFar->fieldCount;
    // Numbers read so far widen their columns already, so that a page read
    // early is not drawn with numbers running into the next column.
    if (soFar->numbers)
        pages_.shownWidths = ShownWidthsOf(*soFar->numbers, pages_.layout, Locale());
    pages_.totals = std::move(soFar->pages);
    pages_.metrics = ForHeaderCount(loadFont_, pages_.layout.HeaderCount);
    if (first) {
        ShowTitle();
        find_->ReportOpened();
        status_->ShowLoading(load_->Progress());
    }
    // The page shown changes only when a longer field widened its columns.
    if (first || pages_.Widths(setup_, Locale()) != before)
        RenderOnCanvas();
    else
        status_->ShowPage(currentPage_, 0, ZoomFactor());
}

void FrmTabul::EndLoad() {
    if (!load_ || !load_->Ended()) return;
    const std::unique_ptr<BackgroundLoad> ended = std::move(load_);
    loadTick_->stop();
    status_->ShowLoading(-1);
    const LoadResult& loaded = ended->Result();
    if (!loaded.Ok()) {
        pages_.rows.Discard();
        loadFailed_ = true;
        exitStatus_ = LoadFailureStatus(loaded.outcome.Why());
        ShowLoadFailure(loaded);
        // Half a report is not shown as if it were one.
        if (isVisible()) close();
        return;
    }
    ReportPages& laidOut = ended->Pages();
    laidOut.rows = std::move(pages_.rows);
    pages_ = std::move(laidOut);
    find_->ReportOpened();
    currentPage_ = std::clamp(currentPage_, 1, PageCount());
    ShowOpened(ended->ReportPath(), loaded);
    UpdatePageGeometry();
    RenderOnCanvas();
}

bool FrmTabul::WaitForLoad(const std::function<bool()>& reached, QWidget* progressParent) {
    if (!load_ || reached()) return !loadFailed_;
    // One wait at a time: a key pressed while waiting does not start another.
    if (waitingForLoad_) return false;
    waitingForLoad_ = true;
    const QString name = QFileInfo(QString::fromStdString(load_->ReportPath())).fileName();
    ProgressWindow progress(progressParent, QString::fromUtf8("Rapor okunuyor: ") + name);
    QEventLoop loop;
    QTimer tick;
    bool cancelled = false;
    bool reporting = false;
    connect(&tick, &QTimer::timeout, &loop, [&] {
        if (reporting) return;
        reporting = true;
        if (!load_ || reached()) {
            loop.quit();
        } else if (!progress.Report(load_->Progress(), 1000)) {
            cancelled = true;
            loop.quit();
        }
        reporting = false;
    });
    tick.start(20);
    loop.exec();
    waitingForLoad_ = false;
    // The program's end also ends this loop, with the load still going.
    return !cancelled && !loadFailed_ && (!load_ || reached());
}

bool FrmTabul::WaitForWholeReport() {
    return WaitForLoad([] { return false; }, this);
}

bool FrmTabul::WaitForPage(int32_t page) {
    return WaitForLoad([this, page] { return PageCount() >= page; }, this);
}

int32_t FrmTabul::LastPage() const {
    return load_ ? INT32_MAX : PageCount();
}

}  // namespace Tabulon
