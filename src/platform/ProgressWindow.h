#pragma once
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QString>

#include "core/ProgressCallback.h"

class QWidget;

namespace Tabulon {

// A progress bar with an "İptal" button over the main window, for work that
// may take a while: it appears only once the work looks like lasting more
// than half a second, so short work never flashes a window.
class ProgressWindow {
  public:
    ProgressWindow(QWidget* parent, const QString& label);

    // Moves the bar and lets the user press the button; false once pressed.
    bool Report(int64_t done, int64_t total);
    ProgressCallback Callback();
    void SetLabel(const QString& label) { dialog_.setLabelText(label); }

  private:
    QProgressDialog dialog_;
    QElapsedTimer sinceMoved_;
};

}  // namespace Tabulon
