#pragma once
#include <QDialog>
#include <cstdint>
#include <optional>
#include <utility>

class QSpinBox;

namespace Tabulon {

// "Özel Kağıt": a paper's width and height in whole millimetres, within what
// a page can draw (an inch to 120 cm a side).
class CustomPaperDialog : public QDialog {
    Q_OBJECT
  public:
    CustomPaperDialog(int32_t widthTwips, int32_t heightTwips, QWidget* parent = nullptr);

    QSpinBox* Width() const { return width_; }
    QSpinBox* Height() const { return height_; }
    // The sides in twips once confirmed.
    std::pair<int32_t, int32_t> SizeTwips() const;

  private:
    QSpinBox* width_;
    QSpinBox* height_;
};

}  // namespace Tabulon
