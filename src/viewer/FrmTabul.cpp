#include "viewer/FrmTabul.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "core/SettingsStore.h"
#include "core/WorkFilePrefix.h"
#include "platform/Messages.h"
#include "platform/ProgressWindow.h"
#include "platform/Twips.h"
#include "print/PrintCommand.h"
#include "render/DrawRuler.h"
#include "viewer/CommandButtons.h"
#include "viewer/DialogCommands.h"
#include "viewer/ExportCommands.h"
#include "viewer/MainMenu.h"
#include "viewer/PageDesk.h"
#include "viewer/PictureBox.h"

namespace {
const QString Title = QString::fromUtf8("Vornak Yazılım");
const QString CaptionTail = QString::fromUtf8("-Rapor Görüntüleyici");
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
    menu_ = new MainMenu(menuBar());

    auto* client = new QWidget(this);
    setCentralWidget(client);
    command1_ = new CommandButtons(client);
    desk_ = new PageDesk(client);

    columnRuler_ = std::make_unique<ColumnRuler>(
        *Canvas(), *Cetvel(), [this] { return Ruler(); },
        [this](int column, int16_t width) { ResizeColumn(column, width); },
        [this] { RenderOnCanvas(); });
    // The ruler starts in the menu colour and turns to the light 3-D colour
    // after the first drag.
    columnRuler_->SetBackColour(ToRgb(palette().color(QPalette::Window)));
    columnRuler_->SetReleasedColour(ToRgb(palette().color(QPalette::Midlight)));
    connect(Cetvel(), &PictureBox::MouseDown, this,
            [this](Qt::MouseButton, float x) { columnRuler_->MouseDown(x); });
    connect(Cetvel(), &PictureBox::MouseMove, this,
            [this](Qt::MouseButtons buttons, float x) { columnRuler_->MouseMove(buttons, x); });
    connect(Cetvel(), &PictureBox::MouseUp, this,
            [this](Qt::MouseButton button, float) { columnRuler_->MouseUp(button); });
    ConnectCommands();

    // A page at 100 % is about 800 pixels wide: the window opens wide enough
    // for it where the screen allows, and never larger than the screen.
    const QRect screenArea = screen()->availableGeometry();
    resize(std::min(1100, screenArea.width() * 9 / 10),
           std::min(850, screenArea.height() * 9 / 10));
    desk_->LayOut(OuterWidthTwips(), OuterHeightTwips());
}

FrmTabul::~FrmTabul() = default;

void FrmTabul::ConnectCommands() {
    MainMenu& m = *menu_;
    auto on = [this](QAction* item, auto handler) {
        connect(item, &QAction::triggered, this, handler);
    };
    on(m.DOS_01_01_01, [this] { ExportSpreadsheet(*this); });
    on(m.DOS_01_01_02, [this] { ExportCsv(*this); });
    on(m.DOS_01_02, [this] { ExportCommaText(*this); });
    on(m.DOS_01_03, [this] { ExportTabText(*this); });
    on(m.DOS_02, [this] { EditReportHeaders(*this); });
    on(m.DOS_04, [this] { EditPageSetup(*this); });
    on(m.DOS_05, [this] { PrintReport(*this); });
    on(m.DOS_XX, &FrmTabul::CloseProgram);
    on(m.GOR_01_01, &FrmTabul::Zoom100);
    on(m.GOR_01_02, &FrmTabul::Zoom75);
    on(m.GOR_01_03, &FrmTabul::Zoom50);
    on(m.GOR_02, &FrmTabul::ShowPreviousPage);
    on(m.GOR_03, &FrmTabul::ShowNextPage);
    on(m.GOR_04, &FrmTabul::ShowFirstPage);
    on(m.GOR_05, &FrmTabul::ShowLastPage);
    // Each toolbar button runs the command of a menu item.
    QAction* const buttons[CommandButtons::Count] = {m.DOS_XX,    m.DOS_05,   m.DOS_01_01_01,
                                                     m.GOR_02,    m.GOR_03,   m.GOR_01_01,
                                                     m.GOR_01_02, m.GOR_01_03};
    for (int i = 0; i < CommandButtons::Count; ++i)
        connect(command1_->Button(i), &QToolButton::clicked, buttons[i], &QAction::trigger);
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

bool FrmTabul::Start(const std::string& reportPath) {
    const std::vector<std::string> printers = printers_.PrinterNames();
    if (printers.empty()) {
        ShowCritical(QString::fromUtf8(
            "Tabulon Sayfa ayarlarını belirleyebilmek için sisteminizde tanımlı en az 1 adet "
            "yazıcı ister.\nLütfen Denetim Masası\\Yazıcılar seçeneğini kullanarak yazıcı "
            "tanımlayın"));
        exitStatus_ = 1;
        return false;
    }
    // The first printer of the collection, not the system's default one.
    SelectedPrinter() = printers.front();
    currentPage_ = 1;
    setup_ = LoadSettings(settings_, printers_.DefaultOrientation());

    const WorkFilePlace place = WorkFilePrefix();
    if (place.temporaryFolderMissing)
        ShowCritical(QString::fromStdString(TemporaryFolderMissingText));
    zoom_ = 1.0f;
    UpdatePageGeometry();
    // A large report takes a while before the window can show: a progress bar
    // stands in for it, and its button ends the program instead.
    LoadResult loaded;
    {
        const QString name = QFileInfo(QString::fromStdString(reportPath)).fileName();
        ProgressWindow progress(nullptr, QString::fromUtf8("Rapor okunuyor: ") + name);
        LoadOptions options;
        options.locale = environment_.locale;
        // The bar moves at most ten times a second: once it shows, every move
        // repaints it, and moving it for every megabyte read made the load of
        // a large report take up to twice as long. A click on its button is
        // handled while the bar moves, so it still stops the load within a
        // tenth of a second.
        QElapsedTimer sinceMoved;
        options.progress = [&progress, &sinceMoved](int64_t done, int64_t total) {
            if (sinceMoved.isValid() && sinceMoved.elapsed() < 100 && done < total) return true;
            sinceMoved.start();
            return progress.Report(done, total);
        };
        loaded = OpenReportPages(pages_, reportPath, RowStorePath(place.prefix), options,
                                 Canvas()->Target(), setup_);
    }
    if (loaded.failure == LoadResult::Failure::Cancelled) {
        exitStatus_ = 1;
        return false;
    }
    if (!loaded.Ok()) {
        ShowCritical(QString::fromStdString(LoadFailureTitle(loaded.failure)) + "\n" +
                     QString::fromStdString(loaded.path));
        exitStatus_ = 2;
        return false;
    }
    RenderOnCanvas();
    setWindowTitle(QString::fromStdString(pages_.layout.HeaderLines[1]) + CaptionTail);
    columnRuler_->HideIndicator();
    return true;
}

int32_t FrmTabul::OuterWidthTwips() const {
    return static_cast<int32_t>(TwipsFromPixels(width())) + FrameWidthTwips;
}

int32_t FrmTabul::OuterHeightTwips() const {
    const int clientHeight =
        height() - (menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height());
    return static_cast<int32_t>(TwipsFromPixels(clientHeight)) + FrameHeightTwips;
}

void FrmTabul::LayOutForSize() {
    desk_->LayOut(OuterWidthTwips(), OuterHeightTwips());
    UpdatePageGeometry();
}

void FrmTabul::UpdatePageGeometry() {
    desk_->FitCanvas(zoom_, setup_.PageSizeX, setup_.PageSizeY);
}

void FrmTabul::MeasureOnCanvas() {
    const PagesStep step = LayOutPages(pages_, Canvas()->Target(), setup_, environment_.locale);
    ShowRowStoreFailure(!step.ok, step.error);
}

RulerView FrmTabul::Ruler() const {
    return {pages_.widths, pages_.metrics, columnFits_, pages_.fieldCount, zoom_};
}

void FrmTabul::RenderOnCanvas() {
    SetBusy(true);
    const ClockReading now = environment_.clock ? environment_.clock() : ClockReading{};
    const int fieldsBefore = pages_.fieldCount;
    const PageDrawing drawn = RenderPage(Canvas()->Target(), pages_.Inputs(setup_, Locale(), now),
                                         currentPage_, zoom_, fieldsBefore);
    pages_.fieldCount = drawn.fieldCount;
    columnFits_ = drawn.ColumnFits;
    // The ruler is drawn as the page's titles are: for the columns before its rows.
    RulerView ruler = Ruler();
    ruler.fieldCount = fieldsBefore;
    columnRuler_->Draw(ruler, 0);
    Canvas()->PictureChanged();
    SetBusy(false);
    ShowRowStoreFailure(!drawn.rowsRead, drawn.error);
}

void FrmTabul::PrintPage(DrawingTarget& target, int32_t page) {
    const ClockReading now = environment_.clock ? environment_.clock() : ClockReading{};
    const int fieldsBefore = pages_.fieldCount;
    const PageDrawing drawn =
        RenderPage(target, pages_.Inputs(setup_, Locale(), now), page, 1.0f, fieldsBefore);
    pages_.fieldCount = drawn.fieldCount;
    columnFits_ = drawn.ColumnFits;
    RulerView ruler = Ruler();
    ruler.fieldCount = fieldsBefore;
    columnRuler_->Draw(ruler, 0);
    ShowRowStoreFailure(!drawn.rowsRead, drawn.error);
}

void FrmTabul::ShowRowStoreFailure(bool failed, const std::string& reason) {
    // Said once, not at every page, while the working file stays unreadable.
    if (failed && !rowStoreFailureShown_)
        ShowCritical(QString::fromStdString(RowStoreUnreadableTitle + "\n" + reason));
    rowStoreFailureShown_ = failed;
}

bool FrmTabul::ColumnsOverflow() const {
    const int columns = std::min(pages_.fieldCount, ReportLayout::DescribedColumns);
    for (int c = 1; c <= columns; ++c)
        if (!columnFits_[c]) return true;
    return false;
}

void FrmTabul::ResizeColumn(int column, int16_t width) {
    pages_.layout.ColumnWidths[static_cast<size_t>(column)] = width;
    pages_.widths = DrawnWidths(pages_.layout, pages_.totals, setup_, Locale());
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
    return QFileDialog::getSaveFileName(this, title, proposedName, filter);
}

void FrmTabul::ZoomTo(float factor, QAction* item) {
    for (QAction* zoom : {menu_->GOR_01_01, menu_->GOR_01_02, menu_->GOR_01_03})
        zoom->setChecked(false);
    item->setChecked(true);
    desk_->ScrollToCorner();
    zoom_ = factor;
    UpdatePageGeometry();
    RenderOnCanvas();
}

void FrmTabul::Zoom100() {
    ZoomTo(1.0f, menu_->GOR_01_01);
}
void FrmTabul::Zoom75() {
    ZoomTo(0.75f, menu_->GOR_01_02);
}
void FrmTabul::Zoom50() {
    ZoomTo(0.5f, menu_->GOR_01_03);
}

void FrmTabul::TurnToPage(int32_t page) {
    currentPage_ = page;
    UpdatePageGeometry();
    RenderOnCanvas();
}

void FrmTabul::TurnToPreviousPage() {
    if (currentPage_ >= 2) TurnToPage(currentPage_ - 1);
}

void FrmTabul::TurnToNextPage() {
    if (currentPage_ < PageCount()) TurnToPage(currentPage_ + 1);
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
            TurnToPage(PageCount());
            break;
        case Qt::Key_Home:
            TurnToPage(1);
            break;
        default:
            QMainWindow::keyPressEvent(event);
    }
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
    TurnToPage(PageCount());
}

void FrmTabul::CloseProgram() {
    close();
}

void FrmTabul::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayOutForSize();
}

namespace {
// The program's own forms are named Frm..., by class or by object name.
bool IsForm(const QWidget* widget) {
    if (!widget) return false;
    return QString::fromLatin1(widget->metaObject()->className())
               .startsWith(QLatin1String("Frm")) ||
           widget->objectName().startsWith(QLatin1String("Frm"));
}
}  // namespace

void FrmTabul::ReclaimActivation() {
    if (!returnFromForm_ || QApplication::activeModalWidget() || !isVisible()) return;
    if (isActiveWindow()) {
        returnFromForm_ = false;
        ReturnToFullSize();
    } else {
        // Where no window manager hands activation back, the window takes it.
        activateWindow();
    }
}

bool FrmTabul::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
        case QEvent::WindowBlocked:
            if (IsForm(QApplication::activeModalWidget())) returnFromForm_ = true;
            break;
        case QEvent::WindowUnblocked:
            if (returnFromForm_) QTimer::singleShot(0, this, &FrmTabul::ReclaimActivation);
            break;
        case QEvent::WindowActivate:
            if (!activatedOnce_ || (returnFromForm_ && !QApplication::activeModalWidget())) {
                activatedOnce_ = true;
                returnFromForm_ = false;
                ReturnToFullSize();
            }
            break;
        default:
            break;
    }
    return handled;
}

// Each time the window becomes active, first and after its own forms, the
// page returns to 100 %.
void FrmTabul::ReturnToFullSize() {
    setFocus();
    Zoom100();
}
