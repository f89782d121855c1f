#include "viewer/FormReturnWatch.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace Tabulon {

namespace {
// The program's own forms are named Frm..., by class or by object name.
bool IsForm(const QWidget* widget) {
    if (!widget) return false;
    const QString className = QString::fromLatin1(widget->metaObject()->className());
    return className.section(QLatin1String("::"), -1).startsWith(QLatin1String("Frm")) ||
           widget->objectName().startsWith(QLatin1String("Frm"));
}
}  // namespace

FormReturnWatch::FormReturnWatch(QWidget* window, std::function<void()> activated)
    : QObject(window), window_(window), activated_(std::move(activated)) {
    window->installEventFilter(this);
}

void FormReturnWatch::Reclaim() {
    if (!returnFromForm_ || QApplication::activeModalWidget() || !window_->isVisible()) return;
    if (window_->isActiveWindow()) {
        returnFromForm_ = false;
        activated_();
    } else {
        window_->activateWindow();
    }
}

bool FormReturnWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_) return false;
    switch (event->type()) {
        case QEvent::WindowBlocked:
            if (IsForm(QApplication::activeModalWidget())) returnFromForm_ = true;
            break;
        case QEvent::WindowUnblocked:
            if (returnFromForm_) QTimer::singleShot(0, this, &FormReturnWatch::Reclaim);
            break;
        case QEvent::WindowActivate:
            if (!activatedOnce_ || (returnFromForm_ && !QApplication::activeModalWidget())) {
                activatedOnce_ = true;
                returnFromForm_ = false;
                activated_();
            }
            break;
        default:
            break;
    }
    return false;
}

}  // namespace Tabulon
