#include "viewer/ResizeWatch.h"

#include <QEvent>
#include <QWidget>

namespace Tabulon {

ResizeWatch::ResizeWatch(QWidget* watched, std::function<void()> resized)
    : QObject(watched), resized_(std::move(resized)) {
    watched->installEventFilter(this);
}

bool ResizeWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) resized_();
    return QObject::eventFilter(watched, event);
}

}  // namespace Tabulon
