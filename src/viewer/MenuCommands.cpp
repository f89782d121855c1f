#include "viewer/MenuCommands.h"

#include <QAction>
#include <QToolButton>
#include <functional>

#include "print/PrintCommand.h"
#include "viewer/CommandButtons.h"
#include "viewer/DialogCommands.h"
#include "viewer/ExportCommands.h"
#include "viewer/FilterCommand.h"
#include "viewer/FindBar.h"
#include "viewer/FindCommand.h"
#include "viewer/FoundFieldsDock.h"
#include "viewer/FrmTabul.h"
#include "viewer/MainMenu.h"
#include "viewer/SelectionCommand.h"
#include "viewer/ViewerStatusBar.h"
#include "viewer/ZoomControl.h"

namespace Tabulon {

namespace {

void ChooseReportToOpen(FrmTabul& w) {
    const std::string path = w.AskForReportPath();
    if (!path.empty()) w.OpenReport(path);
}

}  // namespace

namespace {

void Connect(FrmTabul& w, QAction* item, const std::function<void()>& handler) {
    QObject::connect(item, &QAction::triggered, &w, handler);
}

// Commands over the whole report wait for it while it is still read.
void ConnectWhole(FrmTabul& w, QAction* item, const std::function<void()>& handler) {
    QObject::connect(item, &QAction::triggered, &w, [&w, handler] {
        if (w.WaitForWholeReport()) handler();
    });
}

void ConnectFileAndEditCommands(FrmTabul& w, MainMenu& m) {
    Connect(w, m.OpenReport, [&w] { ChooseReportToOpen(w); });
    Connect(w, m.Refresh, [&w] { w.RefreshReport(); });
    QObject::connect(&w.Status(), &ViewerStatusBar::ReadAgainPressed, &w,
                     [&w] { w.ReadReportAgain(); });
    ConnectWhole(w, m.DOS_01_01_01, [&w] { ExportSpreadsheet(w); });
    ConnectWhole(w, m.DOS_01_01_02, [&w] { ExportCsv(w); });
    ConnectWhole(w, m.DOS_01_02, [&w] { ExportCommaText(w); });
    ConnectWhole(w, m.DOS_01_03, [&w] { ExportTabText(w); });
    ConnectWhole(w, m.DOS_02, [&w] { EditReportHeaders(w); });
    ConnectWhole(w, m.DOS_04, [&w] { EditPageSetup(w); });
    ConnectWhole(w, m.DOS_05, [&w] { PrintReport(w); });
    Connect(w, m.DOS_XX, [&w] { w.CloseProgram(); });
    ConnectWhole(w, m.Copy, [&w] { w.Selection().Copy(); });
    ConnectWhole(w, m.SelectAll, [&w] { w.Selection().SelectAll(); });
    ConnectWhole(w, m.SelectColumn, [&w] { w.Selection().SelectColumn(); });
    Connect(w, m.ClearSelection, [&w] { w.Selection().Clear(); });
}

void ConnectViewCommands(FrmTabul& w, MainMenu& m) {
    Connect(w, m.GOR_01_01, [&w] { w.Zoom().Zoom100(); });
    Connect(w, m.GOR_01_02, [&w] { w.Zoom().Zoom75(); });
    Connect(w, m.GOR_01_03, [&w] { w.Zoom().Zoom50(); });
    Connect(w, m.ZoomIn, [&w] { w.Zoom().Step(+1); });
    Connect(w, m.ZoomOut, [&w] { w.Zoom().Step(-1); });
    Connect(w, m.FitWidth, [&w] { w.Zoom().FitWidth(); });
    Connect(w, m.FitPage, [&w] { w.Zoom().FitPage(); });
    Connect(w, m.GOR_02, [&w] { w.ShowPreviousPage(); });
    Connect(w, m.GOR_03, [&w] { w.ShowNextPage(); });
    Connect(w, m.GOR_04, [&w] { w.ShowFirstPage(); });
    Connect(w, m.GOR_05, [&w] { w.ShowLastPage(); });
    Connect(w, m.GoToPage, [&w] { w.GoToPage(); });
    Connect(w, m.ResetColumnWidths, [&w] { w.ResetColumnWidths(); });
}

void ConnectFindCommands(FrmTabul& w, MainMenu& m) {
    Connect(w, m.Find, [&w] { w.Finder().OpenBar(); });
    Connect(w, m.FindNext, [&w] { w.Finder().Next(true); });
    Connect(w, m.FindPrevious, [&w] { w.Finder().Next(false); });
    // Wide enough for the four columns the first time it opens.
    Connect(w, m.FoundList, [&w] {
        QDockWidget* dock = w.Finder().Dock();
        const bool first = dock->isHidden() && !dock->property("opened").toBool();
        dock->show();
        dock->raise();
        if (first) w.resizeDocks({dock}, {380}, Qt::Horizontal);
        dock->setProperty("opened", true);
    });
    ConnectWhole(w, m.Filter, [&w] { w.Filter().Apply(); });
    Connect(w, m.RemoveFilter, [&w] { w.Filter().Remove(); });
    QObject::connect(w.Finder().Bar(), &FindBar::FilterRequested, &w, [&w] {
        if (w.WaitForWholeReport()) w.Filter().Apply();
    });
}

}  // namespace

void ConnectMenuCommands(FrmTabul& w) {
    MainMenu& m = w.Menu();
    ConnectFileAndEditCommands(w, m);
    ConnectViewCommands(w, m);
    ConnectFindCommands(w, m);
    // Each toolbar button runs the command of a menu item.
    QAction* const buttons[CommandButtons::Count] = {m.DOS_XX,    m.DOS_05,   m.DOS_01_01_01,
                                                     m.GOR_02,    m.GOR_03,   m.GOR_01_01,
                                                     m.GOR_01_02, m.GOR_01_03};
    for (int i = 0; i < CommandButtons::Count; ++i)
        QObject::connect(w.Toolbar().Button(i), &QToolButton::clicked, buttons[i],
                         &QAction::trigger);
}

}  // namespace Tabulon
