#include "viewer/FrmTabul.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "platform/Messages.h"
#include "platform/Twips.h"
#include "render/FindFields.h"
#include "render/SheetPlacement.h"
#include "viewer/BackgroundLoad.h"
#include "viewer/ColumnWidthMemory.h"
#include "viewer/CommandButtons.h"
#include "viewer/FilterCommand.h"
#include "viewer/FindBar.h"
#include "viewer/FindCommand.h"
#include "viewer/FormReturnWatch.h"
#include "viewer/FoundFieldsDock.h"
#include "viewer/GoToPageDialog.h"
#include "viewer/MainMenu.h"
#include "viewer/MenuCommands.h"
#include "viewer/PageDesk.h"
#include "viewer/PictureBox.h"
#include "viewer/RecentReportsMenu.h"
#include "viewer/ReportWatcher.h"
#include "viewer/ResizeWatch.h"
#include "viewer/SaveFileDialog.h"
#include "viewer/SelectionCommand.h"
#include "viewer/SelectionInput.h"
#include "viewer/ViewerStatusBar.h"
#include "viewer/ZoomControl.h"

namespace Tabulon {

namespace {
const QString Title = QString::fromUtf8("Vornak Yazılım");
constexpr int32_t FrameWidthTwips = 120;
constexpr int32_t FrameHeightTwips = 690;

Rgb ToRgb(const QColor& colour) {
    return Rgb{static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
               static_cast<uint8_t>(colour.blue())};
}
}  // namespace

FrmTabul::FrmTabul(PrinterCatalog& printers, SettingsBackend& settings,
                   ViewerEnvironment environment, QWidget* parent)
    : QMainWindow(parent),
      printers_(printers),
      settings_(settings),
      environment_(std::move(environment)) {
    setObjectName(QStringLiteral("FrmTabul"));
    setWindowTitle(QString::fromUtf8("Rapor Görüntüleyici"));
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    menu_ = new MainMenu(menuBar());

    auto* client = new QWidget(this);
    setCentralWidget(client);
    command1_ = new CommandButtons(client);
    desk_ = new PageDesk(client);
    status_ = new ViewerStatusBar(this);
    setStatusBar(status_);
    find_ = new FindCommand(*this);
    addToolBar(Qt::BottomToolBarArea, find_->Bar());
    addDockWidget(Qt::RightDockWidgetArea, find_->Dock());
    filter_ = new FilterCommand(*this);
    // The find bar and the hit list take their room from the desk; a window
    // resize has laid the desk out already.
    new ResizeWatch(client, [this] {
        if (isVisible() && laidOutFor_ != std::pair{OuterWidthTwips(), OuterHeightTwips()})
            LayOutForSize();
    });
    selection_ = new SelectionCommand(*this);
    selection_->setParent(this);
    watcher_ = new ReportWatcher([this] { RefreshReport(); }, 1000, this);
    recent_ = new RecentReportsMenu(
        menu_->RecentReports, settings_, [this](const std::string& path) { OpenReport(path); },
        [this](const QString& note) { ShowStatusMessage(note); });
    widthMemory_ = std::make_unique<ColumnWidthMemory>(settings_);

    columnRuler_ = std::make_unique<ColumnRuler>(
        *Canvas(), *Cetvel(), [this] { return Ruler(); },
        [this](int column, int16_t width) { ResizeColumn(column, width); },
        [this] { RenderOnCanvas(); });
    // The ruler starts in the menu colour and turns to the light 3-D colour
    // after the first drag.
    columnRuler_->SetBackColour(ToRgb(palette().color(QPalette::Window)));
    columnRuler_->SetReleasedColour(ToRgb(palette().color(QPalette::Midlight)));
    zoom_ = std::make_unique<ZoomControl>(*menu_, *desk_, [this](float) { ApplyZoom(); });
    ConnectMenuCommands(*this);
    ConnectSelectionInput(*this);
    new FormReturnWatch(this, [this] { ReturnToFullSize(); });

    // A page at 100 % is about 800 pixels wide: the window opens wide enough
    // for it where the screen allows, and never larger than the screen.
    const QRect screenArea = screen()->availableGeometry();
    resize(std::min(1100, screenArea.width() * 9 / 10),
           std::min(850, screenArea.height() * 9 / 10));
    laidOutFor_ = {OuterWidthTwips(), OuterHeightTwips()};
    desk_->LayOut(laidOutFor_.first, laidOutFor_.second);
}

// A sum still being worked out reads the rows, which go before the window's
// children do.
FrmTabul::~FrmTabul() {
    // A load still going writes into the rows: it stops first.
    load_.reset();
    selection_->StopSum();
    find_->Forget();
}

PictureBox* FrmTabul::Canvas() const {
    return desk_->Canvas();
}
PictureBox* FrmTabul::Cetvel() const {
    return desk_->Cetvel();
}

void FrmTabul::ShowCritical(const QString& text) {
    QMessageBox::critical(this, Title, text, QMessageBox::Ok);
}

bool FrmTabul::SharesClientArea() const {
    const QDockWidget* dock = find_->Dock();
    return find_->Bar()->isVisible() || (dock->isVisible() && !dock->isFloating());
}

int32_t FrmTabul::OuterWidthTwips() const {
    const int clientWidth = SharesClientArea() ? centralWidget()->width() : width();
    return static_cast<int32_t>(TwipsFromPixels(clientWidth)) + FrameWidthTwips;
}

// The status bar takes its own room below the desk.
int32_t FrmTabul::OuterHeightTwips() const {
    const auto shown = [](const QWidget* bar) {
        return bar->isVisible() ? bar->height() : bar->sizeHint().height();
    };
    const int clientHeight = SharesClientArea() ? centralWidget()->height()
                                                : height() - shown(menuBar()) - shown(status_);
    return static_cast<int32_t>(TwipsFromPixels(clientHeight)) + FrameHeightTwips;
}

// A fitted zoom follows the new size and draws the page; otherwise the
// canvas keeps its picture.
void FrmTabul::LayOutForSize() {
    laidOutFor_ = {OuterWidthTwips(), OuterHeightTwips()};
    desk_->LayOut(laidOutFor_.first, laidOutFor_.second);
    if (!readSoFarShown_ || !zoom_->Refit()) UpdatePageGeometry();
}

void FrmTabul::UpdatePageGeometry() {
    zoom_->SetPage(setup_.PageSizeX, setup_.PageSizeY);
    desk_->FitCanvas(ZoomFactor(), setup_.PageSizeX, setup_.PageSizeY);
}

float FrmTabul::ZoomFactor() const {
    return zoom_ ? zoom_->Factor() : 1.0f;
}

void FrmTabul::ApplyZoom() {
    UpdatePageGeometry();
    RenderOnCanvas();
}

void FrmTabul::SetZoom100() {
    zoom_->Zoom100();
}

void FrmTabul::MeasureOnCanvas() {
    ShowRowStoreFailure(LayOutPages(pages_, Canvas()->Target(), setup_, environment_.locale));
    find_->Forget();
}

RulerView FrmTabul::Ruler() const {
    return {pages_.Widths(setup_, Locale()), pages_.metrics, pages_.fieldCount, ZoomFactor()};
}

// Every page drawn, on screen or on paper, rewrites which columns fit and
// redraws the ruler, as the page's titles are drawn: for the columns before
// its rows.
PageDrawing FrmTabul::DrawPage(DrawingTarget& target, int32_t page, float zoom,
                               const FieldShading* shading, const PageSetup* setup) {
    const ClockReading now = environment_.clock ? environment_.clock() : ClockReading{};
    const int fieldsBefore = pages_.fieldCount;
    Outcome<PageDrawing> drawn =
        RenderPage(target, pages_.Inputs(setup ? *setup : setup_, Locale(), now), page, zoom,
                   fieldsBefore, shading);
    pages_.fieldCount = drawn->fieldCount;
    RulerView ruler = Ruler();
    ruler.fieldCount = fieldsBefore;
    columnRuler_->Draw(ruler, 0);
    ShowRowStoreFailure(drawn);
    return drawn.Value();
}

void FrmTabul::RenderOnCanvas() {
    SetBusy(true);
    // The field found, and the fields selected, shaded on the screen only.
    const FieldShading shading = [this](int64_t row, int column) -> std::optional<Rgb> {
        if (const std::optional<Rgb> found = find_->Shade(row, column)) return found;
        if (selection_->Selection().Contains(row, column)) return SelectedShade;
        return std::nullopt;
    };
    DrawPage(Canvas()->Target(), currentPage_, ZoomFactor(), &shading);
    Canvas()->PictureChanged();
    SetBusy(false);
    status_->ShowPage(currentPage_, load_ ? 0 : PageCount(), ZoomFactor());
}

SheetPlacement FrmTabul::PaperPlacement() const {
    return PlaceOnPaper(setup_, pages_.metrics, pages_.Widths(setup_, Locale()), pages_.fieldCount);
}

void FrmTabul::PrintPage(DrawingTarget& target, int32_t page, const SheetPlacement& placement) {
    const PageSetup drawn = DrawnSetup(setup_, placement);
    DrawPage(target, page, 1.0f, nullptr, &drawn);
}

void FrmTabul::ShowStatusMessage(const QString& text) {
    status_->ShowNote(text);
}

void FrmTabul::ShowFoundField(const MarkedField& field) {
    currentPage_ = static_cast<int32_t>(PageOfRow(field.row, pages_.metrics.RowsPerPage));
    // The row's slot brought into view, a little below the desk's top edge.
    const int64_t slot = field.row - (static_cast<int64_t>(currentPage_) - 1) *
                                         std::max(pages_.metrics.RowsPerPage, 1);
    UpdatePageGeometry();
    desk_->BringIntoView(RowTop(pages_.layout, pages_.metrics, slot - 1) * ZoomFactor());
    RenderOnCanvas();
}

void FrmTabul::ShowRowStoreFailure(const Outcome<>& read) {
    // Said once, not at every page, while the working file stays unreadable.
    if (!read.Ok() && !rowStoreFailureShown_)
        ShowCritical(QString::fromStdString(RowStoreFailureText(read.Why())));
    rowStoreFailureShown_ = !read.Ok();
}

bool FrmTabul::ColumnsOverflow() const {
    const ColumnFlags fits = Ruler().Fits();
    const int columns = std::min(pages_.fieldCount, ReportLayout::DescribedColumns);
    for (int c = 1; c <= columns; ++c)
        if (!fits[c]) return true;
    return false;
}

void FrmTabul::ResizeColumn(int column, int16_t width) {
    widthMemory_->Set(pages_.layout, column, width);
}

void FrmTabul::ResetColumnWidths() {
    widthMemory_->Reset(pages_.layout);
    RenderOnCanvas();
}

void FrmTabul::SetBusy(bool busy) {
    // Counted, so a page drawn while a command already shows the hourglass
    // does not take it away early.
    busyCount_ = busy ? busyCount_ + 1 : std::max(busyCount_ - 1, 0);
    if (busyCount_ > 0)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

QString FrmTabul::AskSaveFileName(const QString& title, const QString& filter,
                                  const QString& proposedName) {
    return SaveFileDialog::Ask(this, title, filter, proposedName);
}

// A page not read yet is waited for; past the last one is the last one.
void FrmTabul::TurnToPage(int32_t page) {
    if (!WaitForPage(page)) return;
    currentPage_ = std::clamp(page, 1, std::max(PageCount(), 1));
    UpdatePageGeometry();
    RenderOnCanvas();
}

void FrmTabul::TurnToPreviousPage() {
    if (currentPage_ >= 2) TurnToPage(currentPage_ - 1);
}

void FrmTabul::TurnToNextPage() {
    if (currentPage_ < LastPage()) TurnToPage(currentPage_ + 1);
}

void FrmTabul::GoToPage() {
    GoToPageDialog dialog(currentPage_, load_ ? 0 : PageCount(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    desk_->ScrollToCorner();
    TurnToPage(dialog.Page());
}

void FrmTabul::keyPressEvent(QKeyEvent* event) {
    // The page keys, whatever the modifiers held with them.
    switch (event->key()) {
        case Qt::Key_PageUp:
            TurnToPreviousPage();
            break;
        case Qt::Key_PageDown:
            TurnToNextPage();
            break;
        case Qt::Key_End:
            TurnToPage(LastPage());
            break;
        case Qt::Key_Home:
            TurnToPage(1);
            break;
        default:
            QMainWindow::keyPressEvent(event);
    }
}

// The wheel scrolls the page and runs on into the next one at the bottom (or
// back into the previous one's bottom at the top), like one long document;
// with Ctrl held it steps the zoom.
void FrmTabul::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) return;
    if (event->modifiers() & Qt::ControlModifier) {
        zoom_->Step(notches > 0 ? +1 : -1);
        return;
    }
    desk_->Wheel(notches, [this](int direction) {
        const int32_t before = currentPage_;
        direction > 0 ? TurnToNextPage() : TurnToPreviousPage();
        return currentPage_ != before;
    });
}

void FrmTabul::ShowPreviousPage() {
    desk_->ScrollToCorner();
    TurnToPreviousPage();
}

void FrmTabul::ShowNextPage() {
    desk_->ScrollToCorner();
    TurnToNextPage();
}

void FrmTabul::ShowFirstPage() {
    desk_->ScrollToCorner();
    TurnToPage(1);
}

void FrmTabul::ShowLastPage() {
    desk_->ScrollToCorner();
    TurnToPage(LastPage());
}

void FrmTabul::CloseProgram() {
    close();
}

void FrmTabul::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (laidOutFor_ != std::pair{OuterWidthTwips(), OuterHeightTwips()}) LayOutForSize();
}

void FrmTabul::ShowFromStart() {
    currentPage_ = 1;
    desk_->ScrollToCorner();
    UpdatePageGeometry();
    RenderOnCanvas();
}

// Each time the window becomes active, first and after its own forms, the
// page returns to 100 %.
void FrmTabul::ReturnToFullSize() {
    setFocus();
    zoom_->Zoom100();
}

}  // namespace Tabulon
