#pragma once
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

namespace Tabulon {

// The window's menu bar, its items named by menu and position: DOS_ for
// "&Dosya", DUZ_ for "&Düzen", GOR_ for "Görünüm". The page items show their key names in the
// shortcut column as caption text only and carry no shortcut, so the page
// keys reach the window's key handler. The items added beside them (open,
// find, go to a page, fit and step zoom) and print, save and close carry
// their shortcuts.
class MainMenu : public QObject {
    Q_OBJECT
  public:
    explicit MainMenu(QMenuBar* bar);

    QMenu* DOS_00 = nullptr;
    QAction* OpenReport = nullptr;
    QAction* Refresh = nullptr;
    // "Son Açılanlar": filled with the reports opened last by RecentReportsMenu.
    QMenu* RecentReports = nullptr;
    QMenu* DOS_01 = nullptr;
    QMenu* DOS_01_01 = nullptr;
    QAction* DOS_01_01_01 = nullptr;
    QAction* DOS_01_01_02 = nullptr;
    QAction* DOS_01_02 = nullptr;
    QAction* DOS_01_03 = nullptr;
    QAction* DOS_02 = nullptr;
    QAction* DOS_04 = nullptr;
    QAction* DOS_05 = nullptr;
    QAction* DOS_XX = nullptr;

    QMenu* DUZ_00 = nullptr;
    QAction* Copy = nullptr;
    QAction* SelectAll = nullptr;
    QAction* SelectColumn = nullptr;
    QAction* ClearSelection = nullptr;
    QMenu* GOR_00 = nullptr;
    QMenu* GOR_01 = nullptr;
    QAction* GOR_01_01 = nullptr;
    QAction* GOR_01_02 = nullptr;
    QAction* GOR_01_03 = nullptr;
    QAction* ZoomIn = nullptr;
    QAction* ZoomOut = nullptr;
    QAction* FitWidth = nullptr;
    QAction* FitPage = nullptr;
    QAction* GOR_02 = nullptr;
    QAction* GOR_03 = nullptr;
    QAction* GOR_04 = nullptr;
    QAction* GOR_05 = nullptr;
    QAction* GoToPage = nullptr;
    QAction* Find = nullptr;
    QAction* FindNext = nullptr;
    QAction* FindPrevious = nullptr;
    QAction* FoundList = nullptr;
    QAction* Filter = nullptr;
    QAction* RemoveFilter = nullptr;
    QAction* ResetColumnWidths = nullptr;
};

}  // namespace Tabulon
