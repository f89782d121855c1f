#pragma once
#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <memory>

#include "core/ReportModel.h"
#include "core/SettingsBackend.h"
#include "platform/PrinterCatalog.h"
#include "render/PageView.h"
#include "viewer/ColumnRuler.h"
#include "viewer/ReportWindow.h"
#include "viewer/ViewerEnvironment.h"
#include "viewer/WindowLayout.h"

class CommandButtons;
class MainMenu;
class PictureBox;
class QAction;
class QFrame;
class QScrollBar;
class ViewerStatusBar;

// The main window: one page of the report on a white canvas lying on a grey
// desk, the ruler above it, scroll bars, the menus and the toolbar. It owns the
// view state (zoom, scroll positions, page metrics, which columns fit) and the
// row store of the loaded report, which it removes when it goes.
class FrmTabul : public QMainWindow, public ReportWindow {
    Q_OBJECT
  public:
    FrmTabul(ReportModel& model, PrinterCatalog& printers, SettingsBackend& settings,
             ViewerEnvironment environment, QWidget* parent = nullptr);
    ~FrmTabul() override;

    // Reads the settings and the report named by CommandLine and draws page 1.
    // False when the program has to end instead (no printer, unreadable
    // report); the user has been told why, and ExitStatus says how to end.
    bool Form_Load();
    int ExitStatus() const { return exitStatus_; }

    // ReportWindow.
    QWidget* Widget() override { return this; }
    ReportModel& Model() override { return model_; }
    PageView& View() override { return view_; }
    PrinterCatalog& Printers() override { return printers_; }
    SettingsBackend& Settings() override { return settings_; }
    void SetZoom100() override { GOR_01_01_Click(); }
    void UpdatePageGeometry() override;
    void MeasureOnCanvas() override;
    void RenderOnCanvas() override;
    void RenderOnTarget(DrawingTarget& target) override;
    void SetBusy(bool busy) override;
    QString AskSaveFileName(const QString& title, const QString& filter,
                            const QString& proposedName) override;
    void ShowStatusMessage(const QString& text) override;

    // Window events.
    void Form_Resize();
    void Form_Activate();
    void Form_KeyDown(int16_t keyCode, int16_t shift);

    // Zoom: 100, 75 and 50 %.
    void GOR_01_01_Click();
    void GOR_01_02_Click();
    void GOR_01_03_Click();
    // Pages from the menu: back to the page's top-left corner first.
    void GOR_02_Click();
    void GOR_03_Click();
    void GOR_04_Click();
    void GOR_05_Click();
    void DOS_XX_Click();
    void Command1_Click(int16_t index);
    void PreviousPage();
    void NextPage();

    void HScroll_Change();
    void VScroll_Change();

    // The ruler's mouse, positions in twips on the ruler.
    void Cetvel_MouseDown(int16_t button, int16_t shift, float x, float y);
    void Cetvel_MouseMove(int16_t button, int16_t shift, float x, float y);
    void Cetvel_MouseUp(int16_t button, int16_t shift, float x, float y);

    // The parts of the window, for the commands and for tests.
    const WindowLayout& Layout() const { return layout_; }
    MainMenu& Menu() const { return *menu_; }
    CommandButtons& Toolbar() const { return *command1_; }
    ViewerStatusBar& Status() const { return *status_; }
    PictureBox* Canvas() const { return canvas_; }
    PictureBox* Cetvel() const { return cetvel_; }
    QWidget* Zemin() const { return zemin_; }
    QScrollBar* HScroll() const { return hScroll_; }
    QScrollBar* VScroll() const { return vScroll_; }
    bool Line2Visible() const { return columnRuler_->IndicatorVisible(); }
    int32_t Line2X() const { return columnRuler_->IndicatorX(); }
    int16_t SelectedColumn() const { return columnRuler_->SelectedColumn(); }
    int16_t DragDelta() const { return columnRuler_->DragDelta(); }

    // The window's outer size in twips: what the layout is computed from. A
    // frame of 120 by 690 twips (borders, caption and menu bar) is counted
    // around the client area on every platform, so the desk keeps the same
    // margins whatever the window manager draws. The status bar is not client
    // area either: the desk ends as far above it as it would above the frame.
    int32_t OuterWidthTwips() const;
    int32_t OuterHeightTwips() const;

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void SetZoom(float factor, QAction* item);
    void ShowPage(int32_t page);
    void ApplyLayout();
    void ApplyCanvasPosition();
    void ReclaimActivation();
    void ShowCritical(const QString& text);

    ReportModel& model_;
    PrinterCatalog& printers_;
    SettingsBackend& settings_;
    ViewerEnvironment environment_;
    PageView view_;
    WindowLayout layout_;
    int exitStatus_ = 0;
    int busyCount_ = 0;
    bool rowStoreFailureShown_ = false;

    MainMenu* menu_ = nullptr;
    CommandButtons* command1_ = nullptr;
    ViewerStatusBar* status_ = nullptr;
    QWidget* client_ = nullptr;
    QFrame* line1_ = nullptr;
    QWidget* zemin_ = nullptr;
    QScrollBar* hScroll_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
    PictureBox* cetvel_ = nullptr;
    PictureBox* canvas_ = nullptr;
    int line3_ = -1;  // the paper's right edge on the canvas
    std::unique_ptr<ColumnRuler> columnRuler_;

    // The activate handler runs when the window is first activated and when
    // one of the program's own forms (not a message box or a file dialog)
    // has closed; not when the user returns from another program.
    bool activatedOnce_ = false;
    bool returnFromForm_ = false;
};
