#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// "Bul": the text to find and the way to go. It stays open beside the
// window while the user pages through the hits; Enter finds the next one,
// Escape closes it.
class FindDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FindDialog(QWidget* parent);

    QLineEdit* TextBox() const { return text_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* PreviousButton() const { return previous_; }

  signals:
    void FindRequested(const QString& text, bool forward);

  private:
    QLineEdit* text_;
    QPushButton* next_;
    QPushButton* previous_;
};
