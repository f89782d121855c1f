#pragma once
#include <QDialog>
#include <cstdint>

class QSpinBox;

namespace Tabulon {

// "Sayfaya Git": a page number between 1 and the report's last page; Enter
// confirms, Escape cancels. A number out of range cannot be entered.
class GoToPageDialog : public QDialog {
    Q_OBJECT
  public:
    GoToPageDialog(int32_t current, int32_t pageCount, QWidget* parent);
    int32_t Page() const;
    QSpinBox* PageBox() const { return page_; }

  private:
    QSpinBox* page_;
};

}  // namespace Tabulon
