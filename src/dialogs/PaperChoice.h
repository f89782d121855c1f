#pragma once
#include <QComboBox>
#include <cstdint>

namespace Tabulon {

// The page setup's paper list: the listed papers, then "Özel..." for a width
// and height of the user's own, asked in millimetres in a small dialog.
// Choosing one reports its sides; the list shows the paper of a size.
class PaperChoice : public QComboBox {
    Q_OBJECT
  public:
    explicit PaperChoice(QWidget* parent = nullptr);

    // Selects the listed paper of these sides, either way round, else the
    // custom entry captioned with them.
    void ShowSize(int32_t widthTwips, int32_t heightTwips);

  signals:
    // A paper was chosen: its sides in twips, in no particular order.
    void Chosen(int32_t widthTwips, int32_t heightTwips);

  private:
    void TakeEntry(int index);

    int32_t width_ = 0, height_ = 0;  // the size shown
};

}  // namespace Tabulon
