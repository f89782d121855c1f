#include "viewer/FrmTabul.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "core/Rounding.h"
#include "core/SettingsStore.h"
#include "core/WorkFilePrefix.h"
#include "dialogs/DialogCommands.h"
#include "input/LoadReport.h"
#include "print/PrintCommand.h"
#include "render/MeasureReportFont.h"
#include "render/RenderPage.h"
#include "viewer/ColumnRuler.h"
#include "viewer/CommandButtons.h"
#include "viewer/ExportCommands.h"
#include "viewer/MainMenu.h"
#include "viewer/PictureBox.h"
#include "viewer/ProgressWindow.h"
#include "viewer/SaveFileDialog.h"
#include "viewer/Twips.h"
#include "viewer/ViewerStatusBar.h"

namespace {
const QString Title = QString::fromUtf8("Vornak Yazılım");
const QString CaptionTail = QString::fromUtf8("-Rapor Görüntüleyici");
constexpr int32_t FrameWidthTwips = 120;
constexpr int32_t FrameHeightTwips = 690;

Rgb ToRgb(const QColor& colour) {
    return Rgb{static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
               static_cast<uint8_t>(colour.blue())};
}

QRect PixelRect(const TwipsRect& r) {
    const int x = PixelsFromTwips(r.left);
    const int y = PixelsFromTwips(r.top);
    return QRect(x, y, PixelsFromTwips(r.left + r.width) - x,
                 PixelsFromTwips(r.top + r.height) - y);
}
}  // namespace

FrmTabul::FrmTabul(ReportModel& model, PrinterCatalog& printers, SettingsBackend& settings,
                   ViewerEnvironment environment, QWidget* parent)
    : QMainWindow(parent),
      model_(model),
      printers_(printers),
      settings_(settings),
      environment_(std::move(environment)) {
    setObjectName(QStringLiteral("FrmTabul"));
    setWindowTitle(QString::fromUtf8("Rapor Görüntüleyici"));
    setFocusPolicy(Qt::StrongFocus);
    menu_ = new MainMenu(menuBar());
    status_ = new ViewerStatusBar(this);
    setStatusBar(status_);

    client_ = new QWidget(this);
    setCentralWidget(client_);
    command1_ = new CommandButtons(client_);

    line1_ = new QFrame(client_);
    line1_->setObjectName(QStringLiteral("Line1"));
    line1_->setFrameShape(QFrame::HLine);
    line1_->setFrameShadow(QFrame::Plain);

    zemin_ = new QWidget(client_);
    zemin_->setObjectName(QStringLiteral("Zemin"));
    zemin_->setAutoFillBackground(true);
    QPalette desk = zemin_->palette();
    desk.setColor(QPalette::Window, palette().color(QPalette::Dark));
    zemin_->setPalette(desk);

    cetvel_ = new PictureBox(zemin_);
    cetvel_->setObjectName(QStringLiteral("Cetvel"));
    cetvel_->SetBackColour(palette().color(QPalette::Window));
    canvas_ = new PictureBox(zemin_);
    canvas_->setObjectName(QStringLiteral("Canvas"));
    canvas_->SetBackColour(palette().color(QPalette::Base));
    line3_ = canvas_->AddLine(LineElement{true, 0, 0, 0, 0, QColor(255, 0, 0)});
    columnRuler_ = std::make_unique<ColumnRuler>(model_, view_, *canvas_, *cetvel_,
                                                 [this] { RenderOnCanvas(); });
    // The ruler starts in the menu colour and turns to the light 3-D colour
    // after the first drag.
    columnRuler_->SetBackColour(ToRgb(palette().color(QPalette::Window)));
    columnRuler_->SetReleasedColour(ToRgb(palette().color(QPalette::Midlight)));

    hScroll_ = new QScrollBar(Qt::Horizontal, zemin_);
    hScroll_->setObjectName(QStringLiteral("HScroll"));
    vScroll_ = new QScrollBar(Qt::Vertical, zemin_);
    vScroll_->setObjectName(QStringLiteral("VScroll"));
    for (QScrollBar* bar : {hScroll_, vScroll_}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setSingleStep(300);
        bar->setPageStep(3000);
        bar->setMaximum(0);
    }
    connect(hScroll_, &QScrollBar::valueChanged, this, &FrmTabul::HScroll_Change);
    connect(vScroll_, &QScrollBar::valueChanged, this, &FrmTabul::VScroll_Change);

    connect(cetvel_, &PictureBox::MouseDown, this, &FrmTabul::Cetvel_MouseDown);
    connect(cetvel_, &PictureBox::MouseMove, this, &FrmTabul::Cetvel_MouseMove);
    connect(cetvel_, &PictureBox::MouseUp, this, &FrmTabul::Cetvel_MouseUp);
    connect(command1_, &CommandButtons::Click, this, &FrmTabul::Command1_Click);

    MainMenu& m = *menu_;
    connect(m.DOS_01_01_01, &QAction::triggered, this, [this] { DOS_01_01_01_Click(*this); });
    connect(m.DOS_01_01_02, &QAction::triggered, this, [this] { DOS_01_01_02_Click(*this); });
    connect(m.DOS_01_02, &QAction::triggered, this, [this] { DOS_01_02_Click(*this); });
    connect(m.DOS_01_03, &QAction::triggered, this, [this] { DOS_01_03_Click(*this); });
    connect(m.DOS_02, &QAction::triggered, this, [this] { DOS_02_Click(*this); });
    connect(m.DOS_04, &QAction::triggered, this, [this] { DOS_04_Click(*this); });
    connect(m.DOS_05, &QAction::triggered, this, [this] { DOS_05_Click(*this); });
    connect(m.DOS_XX, &QAction::triggered, this, &FrmTabul::DOS_XX_Click);
    connect(m.GOR_01_01, &QAction::triggered, this, &FrmTabul::GOR_01_01_Click);
    connect(m.GOR_01_02, &QAction::triggered, this, &FrmTabul::GOR_01_02_Click);
    connect(m.GOR_01_03, &QAction::triggered, this, &FrmTabul::GOR_01_03_Click);
    connect(m.GOR_02, &QAction::triggered, this, &FrmTabul::GOR_02_Click);
    connect(m.GOR_03, &QAction::triggered, this, &FrmTabul::GOR_03_Click);
    connect(m.GOR_04, &QAction::triggered, this, &FrmTabul::GOR_04_Click);
    connect(m.GOR_05, &QAction::triggered, this, &FrmTabul::GOR_05_Click);

    // A page at 100 % is about 800 pixels wide: the window opens wide enough
    // for it where the screen allows, and never larger than the screen.
    const QRect screenArea = screen()->availableGeometry();
    resize(std::min(1100, screenArea.width() * 9 / 10),
           std::min(850, screenArea.height() * 9 / 10));
    layout_.LayOut(OuterWidthTwips(), OuterHeightTwips());
    ApplyLayout();
}

FrmTabul::~FrmTabul() {
    // The row store holds a copy of the report's rows; it goes with the window.
    if (!view_.rowStorePath.empty()) {
        std::error_code ignored;
        std::filesystem::remove(view_.rowStorePath, ignored);
    }
}

void FrmTabul::ShowCritical(const QString& text) {
    QMessageBox::critical(this, Title, text, QMessageBox::Ok);
}

bool FrmTabul::Form_Load() {
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
    model_.SelectedPrinter = printers.front();
    model_.CurrentPage = 1;
    LoadSettings(model_, settings_, printers_.DefaultOrientation());

    view_.locale = environment_.locale;
    view_.rowStorePath = RowStorePath(model_, [this](const std::string& message) {
        ShowCritical(QString::fromStdString(message));
    });
    // A large report takes a while before the window can show: a progress bar
    // stands in for it, and its button ends the program instead.
    LoadResult loaded;
    {
        const QString name = QFileInfo(QString::fromStdString(model_.CommandLine)).fileName();
        ProgressWindow progress(nullptr, QString::fromUtf8("Rapor okunuyor: ") + name);
        loaded = LoadReport(model_, model_.CommandLine, view_.rowStorePath, progress.Callback());
    }
    if (loaded.failure == LoadResult::Failure::Cancelled) {
        exitStatus_ = 1;
        return false;
    }
    if (!loaded.Ok()) {
        const QString what = loaded.failure == LoadResult::Failure::ReportUnreadable
                                 ? QString::fromUtf8("Rapor dosyası açılamadı:")
                                 : QString::fromUtf8("Çalışma dosyası oluşturulamadı:");
        ShowCritical(what + "\n" + QString::fromStdString(loaded.path));
        exitStatus_ = 2;
        return false;
    }

    view_.ZoomFactor = 1.0f;
    UpdatePageGeometry();
    MeasureOnCanvas();
    RenderOnCanvas();
    setWindowTitle(QString::fromStdString(model_.HeaderLines[1]) + CaptionTail);
    columnRuler_->HideIndicator();
    return true;
}

int32_t FrmTabul::OuterWidthTwips() const {
    return static_cast<int32_t>(TwipsFromPixels(width())) + FrameWidthTwips;
}

int32_t FrmTabul::OuterHeightTwips() const {
    // Before the window is shown the bars have no height of their own yet.
    const auto barHeight = [](const QWidget* bar) {
        return bar->isVisible() ? bar->height() : bar->sizeHint().height();
    };
    const int clientHeight = height() - barHeight(menuBar()) - barHeight(status_);
    return static_cast<int32_t>(TwipsFromPixels(clientHeight)) + FrameHeightTwips;
}

void FrmTabul::Form_Resize() {
    layout_.LayOut(OuterWidthTwips(), OuterHeightTwips());
    ApplyLayout();
    // Back to the page's top-left corner; each bar that moves runs its handler.
    hScroll_->setValue(0);
    vScroll_->setValue(0);
    layout_.Canvas.top = 500;
    layout_.Canvas.left = 200;
    UpdatePageGeometry();
}

void FrmTabul::ApplyLayout() {
    zemin_->setGeometry(PixelRect(layout_.Zemin));
    hScroll_->setGeometry(PixelRect(layout_.HScroll));
    vScroll_->setGeometry(PixelRect(layout_.VScroll));
    line1_->setGeometry(PixelsFromTwips(layout_.Line1X1), 0,
                        PixelsFromTwips(layout_.Line1X2 - layout_.Line1X1), 1);
    ApplyCanvasPosition();
}

void FrmTabul::ApplyCanvasPosition() {
    const TwipsRect& c = layout_.Canvas;
    canvas_->SetTwipsGeometry(c.left, c.top, c.width, c.height);
    const TwipsRect& r = layout_.Cetvel;
    cetvel_->SetTwipsGeometry(r.left, r.top, r.width, r.height);
    LineElement edge = canvas_->Line(line3_);
    edge.x1 = edge.x2 = layout_.Line3X;
    edge.y1 = 0;
    edge.y2 = layout_.Line3Y2;
    canvas_->SetLine(line3_, edge);
    hScroll_->raise();
    vScroll_->raise();
}

void FrmTabul::UpdatePageGeometry() {
    layout_.FitCanvas(view_.ZoomFactor, model_.PageSizeX, model_.PageSizeY);
    vScroll_->setMinimum(0);
    vScroll_->setMaximum(ScrollMaximum(layout_.Canvas.height, layout_.Zemin.height));
    hScroll_->setMinimum(0);
    hScroll_->setMaximum(ScrollMaximum(layout_.Canvas.width, layout_.Zemin.width));
    ApplyCanvasPosition();
}

void FrmTabul::HScroll_Change() {
    layout_.ScrollHorizontally(hScroll_->value());
    ApplyCanvasPosition();
}

void FrmTabul::VScroll_Change() {
    layout_.ScrollVertically(vScroll_->value());
    ApplyCanvasPosition();
}

void FrmTabul::MeasureOnCanvas() {
    MeasureReportFont(canvas_->Target(), model_, view_);
}

void FrmTabul::RenderOnCanvas() {
    SetBusy(true);
    if (environment_.clock) view_.now = environment_.clock();
    const bool rowsRead = RenderPage(canvas_->Target(), model_, view_,
                                     RulerSurface{&cetvel_->Target(), columnRuler_->BackColour()});
    canvas_->PictureChanged();
    cetvel_->PictureChanged();
    status_->ShowPage(model_.CurrentPage, model_.PageCount, view_.ZoomFactor);
    SetBusy(false);
    // Said once, not at every page, while the working file stays unreadable.
    if (!rowsRead && !rowStoreFailureShown_)
        ShowCritical(QString::fromUtf8("Çalışma dosyası okunamadı:\n") +
                     QString::fromStdString(view_.rowStorePath));
    rowStoreFailureShown_ = !rowsRead;
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

void FrmTabul::ShowStatusMessage(const QString& text) {
    status_->ShowNote(text);
}

void FrmTabul::SetZoom(float factor, QAction* item) {
    for (QAction* zoom : {menu_->GOR_01_01, menu_->GOR_01_02, menu_->GOR_01_03})
        zoom->setChecked(false);
    item->setChecked(true);
    vScroll_->setValue(0);
    hScroll_->setValue(0);
    view_.ZoomFactor = factor;
    UpdatePageGeometry();
    RenderOnCanvas();
}

void FrmTabul::GOR_01_01_Click() {
    SetZoom(1.0f, menu_->GOR_01_01);
}
void FrmTabul::GOR_01_02_Click() {
    SetZoom(0.75f, menu_->GOR_01_02);
}
void FrmTabul::GOR_01_03_Click() {
    SetZoom(0.5f, menu_->GOR_01_03);
}

void FrmTabul::ShowPage(int32_t page) {
    model_.CurrentPage = page;
    UpdatePageGeometry();
    RenderOnCanvas();
}

void FrmTabul::PreviousPage() {
    if (model_.CurrentPage < 2) return;
    ShowPage(model_.CurrentPage - 1);
}

void FrmTabul::NextPage() {
    if (model_.CurrentPage >= model_.PageCount) return;
    ShowPage(model_.CurrentPage + 1);
}

void FrmTabul::Form_KeyDown(int16_t keyCode, int16_t) {
    switch (keyCode) {
        case 33:
            PreviousPage();
            break;
        case 34:
            NextPage();
            break;
        case 35:
            ShowPage(model_.PageCount);
            break;
        case 36:
            ShowPage(1);
            break;
        default:
            break;
    }
}

void FrmTabul::keyPressEvent(QKeyEvent* event) {
    // The platform's virtual-key codes of the four page keys.
    int16_t code = 0;
    switch (event->key()) {
        case Qt::Key_PageUp:
            code = 33;
            break;
        case Qt::Key_PageDown:
            code = 34;
            break;
        case Qt::Key_End:
            code = 35;
            break;
        case Qt::Key_Home:
            code = 36;
            break;
        default:
            QMainWindow::keyPressEvent(event);
            return;
    }
    int16_t shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (event->modifiers() & Qt::ControlModifier) shift |= 2;
    if (event->modifiers() & Qt::AltModifier) shift |= 4;
    Form_KeyDown(code, shift);
}

void FrmTabul::GOR_02_Click() {
    vScroll_->setValue(0);
    hScroll_->setValue(0);
    Form_KeyDown(33, 0);
}

void FrmTabul::GOR_03_Click() {
    vScroll_->setValue(0);
    hScroll_->setValue(0);
    Form_KeyDown(34, 0);
}

void FrmTabul::GOR_04_Click() {
    vScroll_->setValue(0);
    hScroll_->setValue(0);
    Form_KeyDown(36, 0);
}

void FrmTabul::GOR_05_Click() {
    vScroll_->setValue(0);
    hScroll_->setValue(0);
    Form_KeyDown(35, 0);
}

void FrmTabul::DOS_XX_Click() {
    close();
}

void FrmTabul::Command1_Click(int16_t index) {
    switch (index) {
        case 0:
            DOS_XX_Click();
            break;
        case 1:
            DOS_05_Click(*this);
            break;
        case 2:
            DOS_01_01_01_Click(*this);
            break;
        case 3:
            GOR_02_Click();
            break;
        case 4:
            GOR_03_Click();
            break;
        case 5:
            GOR_01_01_Click();
            break;
        case 6:
            GOR_01_02_Click();
            break;
        case 7:
            GOR_01_03_Click();
            break;
        default:
            break;
    }
}

void FrmTabul::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
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
        Form_Activate();
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
                Form_Activate();
            }
            break;
        default:
            break;
    }
    return handled;
}

void FrmTabul::Form_Activate() {
    setFocus();
    GOR_01_01_Click();
}

void FrmTabul::RenderOnTarget(DrawingTarget& target) {
    RenderPage(target, model_, view_, RulerSurface{&cetvel_->Target(), columnRuler_->BackColour()});
    cetvel_->PictureChanged();
}

void FrmTabul::Cetvel_MouseDown(int16_t button, int16_t, float x, float) {
    columnRuler_->MouseDown(button, x);
}

void FrmTabul::Cetvel_MouseMove(int16_t button, int16_t, float x, float) {
    columnRuler_->MouseMove(button, x);
}

void FrmTabul::Cetvel_MouseUp(int16_t button, int16_t, float, float) {
    columnRuler_->MouseUp(button);
}
