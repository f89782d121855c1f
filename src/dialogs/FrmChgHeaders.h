#pragma once
#include <QDialog>
#include <array>

#include "core/ReportLayout.h"

class QLineEdit;
class QPushButton;

// "Rapor Başlığı": edits the first three header lines for the rest of the run.
// Apply moves the non-blank lines up; nothing is written anywhere.
class FrmChgHeaders : public QDialog {
    Q_OBJECT
  public:
    explicit FrmChgHeaders(ReportLayout& layout, QWidget* parent = nullptr);

  private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    ReportLayout& layout_;
    std::array<QLineEdit*, 3> Text1{};
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
};
