#include "platform/ProgressWindow.h"

#include <algorithm>

namespace Tabulon {

namespace {
// The bar counts in thousandths, whatever the number of steps.
constexpr int Scale = 1000;
}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent, const QString& label)
    : dialog_(label, QString::fromUtf8("İptal"), 0, Scale, parent) {
    dialog_.setObjectName(QStringLiteral("ProgressWindow"));
    dialog_.setWindowTitle(QString::fromUtf8("Vornak Yazılım"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(500);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
}

bool ProgressWindow::Report(int64_t done, int64_t total) {
    // The bar moves at most ten times a second: once it shows, every move
    // repaints it, and moving it at every megabyte made loading a large
    // report take up to twice as long. The button's click is still handled
    // within a tenth of a second.
    if (sinceMoved_.isValid() && sinceMoved_.elapsed() < 100 && done < total)
        return !dialog_.wasCanceled();
    sinceMoved_.start();
    const int64_t value = total > 0 ? done * Scale / total : Scale;
    // A modal progress dialog handles the pending events, the button's click
    // among them, while it takes the new value.
    dialog_.setValue(static_cast<int>(std::clamp<int64_t>(value, 0, Scale)));
    return !dialog_.wasCanceled();
}

ProgressCallback ProgressWindow::Callback() {
    return [this](int64_t done, int64_t total) { return Report(done, total); };
}

}  // namespace Tabulon
