#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <vector>

// Closes every message box that opens while it lives, pressing the given
// button (or closing it with that result), and keeps what it said.
class MessageBoxCatcher {
  public:
    struct Shown {
        QString title, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    std::vector<Shown> shown;

    explicit MessageBoxCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                shown.push_back(
                    {box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
                if (QAbstractButton* button = box->button(answer))
                    button->click();
                else
                    box->done(answer);
            }
        });
        timer_.start(10);
    }

  private:
    QTimer timer_;
};
