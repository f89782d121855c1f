#pragma once
#include <array>

class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace Tabulon {

// The print dialog's controls at their design positions, with their fonts and
// captions, as the form designer left them; FrmPrint gives them their
// behaviour. The widgets belong to the form they are created on.
struct FrmPrintControls {
    explicit FrmPrintControls(QWidget* form);

    QComboBox* Combo1;
    QFrame* Line1;
    QLabel* Label2;
    std::array<QRadioButton*, 4> Option1;
    QButtonGroup* Option1Group;
    // The range's page boxes: they show their spinner's value and take a
    // typed page number as well.
    std::array<QLineEdit*, 2> Label3;
    std::array<QScrollBar*, 2> VScroll1;
    QFrame* Frame1;
    QPushButton* Command2;
    QPushButton* Command1;
};

}  // namespace Tabulon
