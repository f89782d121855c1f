#pragma once
#include <QFileDialog>

namespace Tabulon {

// The file-save dialog of the exports and of the PDF printer: Qt's own
// dialog, so it looks the same on every desktop and reads Turkish throughout.
// A name typed without an extension gets the chosen file type's ("cikti"
// with "*.xlsx" is saved as cikti.xlsx); one with an extension keeps it.
class SaveFileDialog : public QFileDialog {
    Q_OBJECT
  public:
    SaveFileDialog(QWidget* parent, const QString& title, const QString& filter,
                   const QString& proposedName);

    // Shows the dialog modally: the chosen path, empty when cancelled.
    static QString Ask(QWidget* parent, const QString& title, const QString& filter,
                       const QString& proposedName);
};

}  // namespace Tabulon
