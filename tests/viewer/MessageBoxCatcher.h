#pragma once
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <vector>

// Closes every message box that opens while it lives and keeps what it said.
class MessageBoxCatcher {
  public:
    struct Shown {
        QString title, text;
        QMessageBox::Icon icon;
    };
    std::vector<Shown> shown;

    MessageBoxCatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                shown.push_back({box->windowTitle(), box->text(), box->icon()});
                box->done(QMessageBox::Ok);
            }
        });
        timer_.start(10);
    }

  private:
    QTimer timer_;
};
