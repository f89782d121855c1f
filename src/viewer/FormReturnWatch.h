#pragma once
#include <QObject>
#include <functional>

class QWidget;

namespace Tabulon {

// Tells when the main window becomes active in the way that brings its page
// back to 100 %: the first time, and whenever one of the program's own forms
// (named Frm...) has closed over it, but not after a message box, a file
// dialog, the find or go-to-page dialogs, or a visit to another program.
// Where no window manager hands activation back after a form, the window
// takes it.
class FormReturnWatch : public QObject {
    Q_OBJECT
  public:
    FormReturnWatch(QWidget* window, std::function<void()> activated);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Reclaim();

    QWidget* window_;
    std::function<void()> activated_;
    bool activatedOnce_ = false;
    bool returnFromForm_ = false;
};

}  // namespace Tabulon
