#pragma once
#include <QDialog>
#include <array>

#include "core/ReportLayout.h"

class QLineEdit;
class QPushButton;

namespace Tabulon {

// "Rapor Başlığı": edits the first three header lines for the rest of the run.
// Apply moves the non-blank lines up; nothing is written anywhere.
class FrmChgHeaders : public QDialog {
    Q_OBJECT
  public:
    explicit FrmChgHeaders(ReportLayout& layout, QWidget* parent = nullptr);

  private:
    void FillControls();
    void ApplyHeaders();
    void Cancel();

    ReportLayout& layout_;
    std::array<QLineEdit*, 3> Text1{};
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
};

}  // namespace Tabulon
