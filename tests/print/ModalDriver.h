#pragma once
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// Acts on the next modal window of the given kind once it is open (the print
// dialog, a message box), from inside its event loop. Gives up after about
// ten seconds, so a window that never opens fails the test instead of hanging it.
template <typename Window>
void WhenModalOpens(std::function<void(Window*)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act = std::move(act)] {
        auto* modal = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!modal && ++*tries < 1000) return;
        timer->stop();
        timer->deleteLater();
        if (modal) act(modal);
    });
    timer->start(10);
}
