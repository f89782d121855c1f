#pragma once
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the next modal window that opens, from inside
// its event loop: tests drive modal dialogs and answer questions this way.
class ModalWatcher {
  public:
    explicit ModalWatcher(std::function<void(QWidget*)> action) : action_(std::move(action)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }

    bool Fired() const { return fired_; }

  private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        timer_.stop();
        fired_ = true;
        action_(modal);
    }

    std::function<void(QWidget*)> action_;
    QTimer timer_;
    bool fired_ = false;
};
