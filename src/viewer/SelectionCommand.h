#pragma once
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "render/CellSelection.h"
#include "render/PagePlaces.h"

namespace Tabulon {

class ReportWindow;
class SumWorker;

// The fields the user selects on the page: a click selects a field, a drag
// the rectangle it covers, Shift+click or Shift+arrows extend it (onto other
// pages too), a column's title selects the whole column, Ctrl+A every row,
// Esc nothing. The selection is shaded on the screen only, survives zoom and
// page changes, and goes when another report is opened. Ctrl+C puts it on
// the clipboard as text and as an HTML table; the status bar shows the count,
// sum and mean of its numbers, worked out in the background for a large one.
class SelectionCommand : public QObject {
    Q_OBJECT
  public:
    explicit SelectionCommand(ReportWindow& window);
    ~SelectionCommand() override;

    const CellSelection& Selection() const { return selection_; }
    // A press on the page: on a title, the whole column; on a field, that
    // field, or the rectangle up to it from where the selection started.
    void Press(const PagePlace& place, bool extend);
    void DragTo(const PagePlace& place);
    void Release() { dragging_ = false; }
    // The column of the selection's focus, or of the field given.
    void SelectColumn(std::optional<int> column = std::nullopt);
    void SelectAll();
    void Clear();
    // Moves the focus by rows and columns, keeping where the selection started.
    void Extend(int64_t rows, int columns);
    void Copy();
    // Another report took this one's place.
    void Forget();
    // Stops adding up in the background; the rows are about to go.
    void StopSum();

  private:
    void Changed();
    void ShowSum();
    void ShowNote(const QString& note);

    ReportWindow& window_;
    CellSelection selection_;
    bool dragging_ = false;
    QString note_;  // the note this command put in the status bar last
    std::unique_ptr<SumWorker> worker_;
};

}  // namespace Tabulon
