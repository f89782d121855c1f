#pragma once
#include <QDockWidget>

#include "render/RenderPage.h"

class QTableView;

namespace Tabulon {

class FoundFieldsModel;

// "Bulunanlar", the list of every field found beside the page: a click or
// Enter on a line shows that field.
class FoundFieldsDock : public QDockWidget {
    Q_OBJECT
  public:
    FoundFieldsDock(FoundFieldsModel& model, QWidget* parent);

    QTableView* View() const { return view_; }

  signals:
    void Chosen(const MarkedField& hit);

  private:
    FoundFieldsModel& model_;
    QTableView* view_;
};

}  // namespace Tabulon
