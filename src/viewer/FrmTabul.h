#pragma once
#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/PageSetup.h"
#include "core/SettingsBackend.h"
#include "platform/PrinterCatalog.h"
#include "render/RenderPage.h"
#include "render/ReportPages.h"
#include "viewer/ColumnRuler.h"
#include "viewer/ReportWindow.h"
#include "viewer/ViewerEnvironment.h"

class QAction;
class QScrollBar;
class QTimer;

namespace Tabulon {

class BackgroundLoad;
class ColumnWidthMemory;
class CommandButtons;
class FilterCommand;
class FindCommand;
class SelectionCommand;
class ReportWatcher;
class ZoomControl;
class MainMenu;
class PageDesk;
class PictureBox;
class RecentReportsMenu;
class ViewerStatusBar;

// The main window: one page of the report on a white canvas lying on a grey
// desk, the ruler above it, scroll bars, the menus and the toolbar. It holds
// the report's pages, the page setup and the view (page, zoom, which columns
// fit) and draws the page whenever one of them changes.
class FrmTabul : public QMainWindow, public ReportWindow {
    Q_OBJECT
  public:
    FrmTabul(PrinterCatalog& printers, SettingsBackend& settings, ViewerEnvironment environment,
             QWidget* parent = nullptr);
    ~FrmTabul() override;

    // Reads the settings and the report and draws page 1. False when the
    // program has to end instead (no printer, unreadable report); the user
    // has been told why, and ExitStatus says how to end. Started from the
    // desktop without a report, it asks for one first; closing that chooser
    // ends the program quietly.
    bool Start(const std::string& reportPath, bool fromDesktop = false);
    int ExitStatus() const { return exitStatus_; }

    // PrintHost and ReportWindow.
    QWidget* Widget() override { return this; }
    PrinterCatalog& Printers() override { return printers_; }
    const PageSetup& Setup() const override { return setup_; }
    std::string DocumentName() const override { return pages_.layout.HeaderLines[1]; }
    // While the report is read: the pages read so far.
    int32_t PageCount() const override { return pages_.totals.pageCount; }
    bool ColumnsOverflow() const override;
    void SetZoom100() override;
    SheetPlacement PaperPlacement() const override;
    void PrintPage(DrawingTarget& target, int32_t page, const SheetPlacement& placement) override;
    void SetBusy(bool busy) override;
    QString AskSaveFileName(const QString& title, const QString& filter,
                            const QString& proposedName) override;
    SettingsBackend& Settings() override { return settings_; }
    ReportPages& Pages() override { return pages_; }
    PageSetup& EditableSetup() override { return setup_; }
    const NumberLocale& Locale() const override { return environment_.locale; }
    int32_t CurrentPage() const override { return currentPage_; }
    void SetCurrentPage(int32_t page) override { currentPage_ = page; }
    void ShowFoundField(const MarkedField& field) override;
    void ShowStatusMessage(const QString& text) override;
    void MeasureOnCanvas() override;
    void UpdatePageGeometry() override;
    void RenderOnCanvas() override;
    // While the report is still read in the background, waits for the rest
    // with the progress shown; false when the user cancelled the wait (the
    // reading goes on) or the report could not be read.
    bool WaitForWholeReport() override;
    // The report is still being read in the background.
    bool Loading() const { return load_ != nullptr; }

    // The zoom commands keep the page and return the view to its corner.
    ZoomControl& Zoom() const { return *zoom_; }
    // Page commands of the menu and the toolbar: back to the page's top-left
    // corner first, then as the page keys.
    void ShowPreviousPage();
    void ShowNextPage();
    void ShowFirstPage();
    void ShowLastPage();
    // The page keys, which keep the scroll position.
    void TurnToPreviousPage();
    void TurnToNextPage();
    void TurnToPage(int32_t page);
    // "Sayfaya Git": a page chosen in a small dialog, shown from its corner.
    void GoToPage();
    // Another report in place of this one; one that cannot be read leaves
    // this one open. Reading the same report again keeps the page shown.
    // A quiet one says a failure in the status bar instead of a message box.
    bool OpenReport(const std::string& reportPath, bool keepPage = false, bool quiet = false);
    // The report shown, read again: after it changed while it was read.
    void ReadReportAgain() { OpenReport(reportPath_, true); }
    // The report shown, read again after its file was written again (F5,
    // "Yenile", or by itself): on the same page and zoom, or the last page;
    // one that is gone or cannot be read leaves the report shown as it is.
    void RefreshReport();
    // The file chooser for a report; an empty path when the user closed it.
    std::string AskForReportPath();
    void CloseProgram();
    // "Sütun Genişliklerini Sıfırla": the widths the report was measured
    // with, and none remembered for its titles.
    void ResetColumnWidths();

    float ZoomFactor() const;
    FindCommand& Finder() const { return *find_; }
    FilterCommand& Filter() const { return *filter_; }
    // Other rows in place of the report's (a filter on or off): page 1 from
    // its corner.
    void ShowFromStart();
    SelectionCommand& Selection() const { return *selection_; }
    RulerView Ruler() const;

    // The parts of the window, for the commands and for tests.
    const PageDesk& Desk() const { return *desk_; }
    MainMenu& Menu() const { return *menu_; }
    CommandButtons& Toolbar() const { return *command1_; }
    ViewerStatusBar& Status() const { return *status_; }
    PictureBox* Canvas() const;
    PictureBox* Cetvel() const;
    const ColumnRuler& ColumnDrag() const { return *columnRuler_; }

    // The window's outer size in twips: what the layout is computed from. A
    // frame of 120 by 690 twips (borders, caption and menu bar) is counted
    // around the client area on every platform, so the desk keeps the same
    // margins whatever the window manager draws.
    int32_t OuterWidthTwips() const;
    int32_t OuterHeightTwips() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void ApplyZoom();
    bool SharesClientArea() const;
    // The page as the page setup lays it out, or on the wider page of `setup`.
    PageDrawing DrawPage(DrawingTarget& target, int32_t page, float zoom,
                         const FieldShading* shading, const PageSetup* setup = nullptr);
    void LayOutForSize();
    void ReturnToFullSize();
    LoadResult Load(ReportPages& pages, const std::string& reportPath, QWidget* progressParent);
    // Starts reading the report in the background and waits, with a progress
    // bar, until its first page is read; false, with the user told and the
    // exit status set, when it could not be read or the user cancelled.
    bool LoadInBackground(const std::string& reportPath);
    void ShowReadSoFar();
    void EndLoad();
    // Waits, while the report is read, until `reached` or the end of the
    // load; false when cancelled or the load failed.
    bool WaitForLoad(const std::function<bool()>& reached, QWidget* progressParent);
    bool WaitForPage(int32_t page);
    // The last page, or past any page while the count is not known.
    int32_t LastPage() const;
    void ShowLoadFailure(const LoadResult& loaded);
    // The title, and a note with a button to read the report again when it
    // changed while it was read.
    void ShowOpened(const std::string& reportPath, const LoadResult& loaded);
    // The report's first header line, then the program's name.
    void ShowTitle();
    void ResizeColumn(int column, int16_t width);
    void ShowCritical(const QString& text);
    template <typename T>
    void ShowRowStoreFailure(const Outcome<T>& read) {
        ShowRowStoreFailure(read.Ok() ? Outcome<>() : Outcome<>(read.Why()));
    }
    void ShowRowStoreFailure(const Outcome<>& read);

    PrinterCatalog& printers_;
    SettingsBackend& settings_;
    ViewerEnvironment environment_;
    PageSetup setup_;
    ReportPages pages_;
    std::string reportPath_;
    int32_t currentPage_ = 0;
    int exitStatus_ = 0;
    int busyCount_ = 0;
    bool rowStoreFailureShown_ = false;

    MainMenu* menu_ = nullptr;
    CommandButtons* command1_ = nullptr;
    PageDesk* desk_ = nullptr;
    ViewerStatusBar* status_ = nullptr;
    std::unique_ptr<ColumnRuler> columnRuler_;
    FindCommand* find_ = nullptr;
    FilterCommand* filter_ = nullptr;
    // The outer size in twips the desk was laid out for last.
    std::pair<int32_t, int32_t> laidOutFor_{0, 0};
    SelectionCommand* selection_ = nullptr;
    std::unique_ptr<ZoomControl> zoom_;
    ReportWatcher* watcher_ = nullptr;
    // The report being read in the background, its rows going into
    // pages_.rows; none once the load ended.
    std::unique_ptr<BackgroundLoad> load_;
    QTimer* loadTick_ = nullptr;  // moves the status bar's progress
    PageMetrics loadFont_;
    bool readSoFarShown_ = false;
    bool loadFailed_ = false;
    bool waitingForLoad_ = false;
    RecentReportsMenu* recent_ = nullptr;
    std::unique_ptr<ColumnWidthMemory> widthMemory_;
};

}  // namespace Tabulon
