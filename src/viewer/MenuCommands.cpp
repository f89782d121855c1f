#include "viewer/MenuCommands.h"

#include <QAction>
#include <QToolButton>

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

void ConnectMenuCommands(FrmTabul& w) {
    MainMenu& m = w.Menu();
    auto on = [&w](QAction* item, auto handler) {
        QObject::connect(item, &QAction::triggered, &w, handler);
    };
    // Commands over the whole report wait for it while it is still read.
    auto whole = [&w](QAction* item, auto handler) {
        QObject::connect(item, &QAction::triggered, &w, [&w, handler] {
            if (w.WaitForWholeReport()) handler();
        });
    };
    on(m.OpenReport, [&w] { ChooseReportToOpen(w); });
    on(m.Refresh, [&w] { w.RefreshReport(); });
    QObject::connect(&w.Status(), &ViewerStatusBar::ReadAgainPressed, &w,
                     [&w] { w.ReadReportAgain(); });
    whole(m.DOS_01_01_01, [&w] { ExportSpreadsheet(w); });
    whole(m.DOS_01_01_02, [&w] { ExportCsv(w); });
    whole(m.DOS_01_02, [&w] { ExportCommaText(w); });
    whole(m.DOS_01_03, [&w] { ExportTabText(w); });
    whole(m.DOS_02, [&w] { EditReportHeaders(w); });
    whole(m.DOS_04, [&w] { EditPageSetup(w); });
    whole(m.DOS_05, [&w] { PrintReport(w); });
    on(m.DOS_XX, [&w] { w.CloseProgram(); });
    whole(m.Copy, [&w] { w.Selection().Copy(); });
    whole(m.SelectAll, [&w] { w.Selection().SelectAll(); });
    whole(m.SelectColumn, [&w] { w.Selection().SelectColumn(); });
    on(m.ClearSelection, [&w] { w.Selection().Clear(); });
    on(m.GOR_01_01, [&w] { w.Zoom().Zoom100(); });
    on(m.GOR_01_02, [&w] { w.Zoom().Zoom75(); });
    on(m.GOR_01_03, [&w] { w.Zoom().Zoom50(); });
    on(m.ZoomIn, [&w] { w.Zoom().Step(+1); });
    on(m.ZoomOut, [&w] { w.Zoom().Step(-1); });
    on(m.FitWidth, [&w] { w.Zoom().FitWidth(); });
    on(m.FitPage, [&w] { w.Zoom().FitPage(); });
    on(m.GOR_02, [&w] { w.ShowPreviousPage(); });
    on(m.GOR_03, [&w] { w.ShowNextPage(); });
    on(m.GOR_04, [&w] { w.ShowFirstPage(); });
    on(m.GOR_05, [&w] { w.ShowLastPage(); });
    on(m.GoToPage, [&w] { w.GoToPage(); });
    on(m.Find, [&w] { w.Finder().OpenBar(); });
    on(m.FindNext, [&w] { w.Finder().Next(true); });
    on(m.FindPrevious, [&w] { w.Finder().Next(false); });
    // Wide enough for the four columns the first time it opens.
    on(m.FoundList, [&w] {
        QDockWidget* dock = w.Finder().Dock();
        const bool first = dock->isHidden() && !dock->property("opened").toBool();
        dock->show();
        dock->raise();
        if (first) w.resizeDocks({dock}, {380}, Qt::Horizontal);
        dock->setProperty("opened", true);
    });
    whole(m.Filter, [&w] { w.Filter().Apply(); });
    on(m.RemoveFilter, [&w] { w.Filter().Remove(); });
    on(m.ResetColumnWidths, [&w] { w.ResetColumnWidths(); });
    QObject::connect(w.Finder().Bar(), &FindBar::FilterRequested, &w, [&w] {
        if (w.WaitForWholeReport()) w.Filter().Apply();
    });
    // Each toolbar button runs the command of a menu item.
    QAction* const buttons[CommandButtons::Count] = {m.DOS_XX,    m.DOS_05,   m.DOS_01_01_01,
                                                     m.GOR_02,    m.GOR_03,   m.GOR_01_01,
                                                     m.GOR_01_02, m.GOR_01_03};
    for (int i = 0; i < CommandButtons::Count; ++i)
        QObject::connect(w.Toolbar().Button(i), &QToolButton::clicked, buttons[i],
                         &QAction::trigger);
}

}  // namespace Tabulon
