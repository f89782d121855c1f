#pragma once
#include <QFont>
#include <QWidget>

namespace Tabulon {

// The dialogs' captions and list texts: Arial 8.25 pt (Liberation Sans stands
// in where Arial is not installed), bold where a control asks for it.
inline QFont DialogFont(bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

inline void MakeBold(QWidget* widget) {
    widget->setFont(DialogFont(true));
}

}  // namespace Tabulon
