#pragma once
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the next modal window that opens (other than `except`), from inside
// its event loop: tests drive modal dialogs and answer questions this way.
class ModalWatcher {
  public:
    explicit ModalWatcher(std::function<void(QWidget*)> action, QWidget* except = nullptr)
        : action_(std::move(action)), except_(except) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }

    bool Fired() const { return fired_; }

  private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == except_) return;
        timer_.stop();
        fired_ = true;
        action_(modal);
    }

    std::function<void(QWidget*)> action_;
    QWidget* except_;
    QTimer timer_;
    bool fired_ = false;
};

// What a question box showed, and the answer given.
struct QuestionSeen {
    bool asked = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hadYesAndNo = false;
};

// Answers the next message box with the given button and records it.
inline std::function<void(QWidget*)> Answer(QMessageBox::StandardButton button,
                                            QuestionSeen& seen) {
    return [button, &seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) return;
        seen.asked = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.hadYesAndNo = box->standardButtons() == (QMessageBox::Yes | QMessageBox::No);
        box->button(button)->click();
    };
}
