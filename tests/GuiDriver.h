#pragma once
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

// Acts once on the next modal window of the given kind, from inside its event
// loop, while it lives. Gives up after about ten seconds, so a window that
// never opens fails the test instead of hanging it.
template <typename Window = QWidget>
class OnModal {
  public:
    explicit OnModal(std::function<void(Window*)> act) : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* modal = qobject_cast<Window*>(QApplication::activeModalWidget());
            if (!modal && ++tries_ < 1000) return;
            timer_.stop();
            fired_ = modal != nullptr;
            if (modal) act_(modal);
        });
        timer_.start(10);
    }
    bool Fired() const { return fired_; }

  private:
    std::function<void(Window*)> act_;
    QTimer timer_;
    int tries_ = 0;
    bool fired_ = false;
};

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

// Types text key by key. QTest::keyClicks only knows ASCII keys, so Turkish
// letters go in as key events that carry their text.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(widget, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Types a name into the program's save dialog in `folder` and presses Enter,
// or cancels it for an empty name, noting the dialog's title, filters, the
// name it proposed and its visible labels. Typed while the name has the
// focus, so the folder's files arriving later do not put a selected file's
// name there; never left open, so a dialog that ignores Enter fails the test
// instead of hanging it.
struct SaveAs {
    QString title, filters, proposed;
    QStringList labels;
    OnModal<QFileDialog> answer;

    SaveAs(const QString& folder, const QString& name)
        : answer([this, folder, name](QFileDialog* dialog) {
              title = dialog->windowTitle();
              filters = dialog->nameFilters().join(";;");
              auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
              proposed = edit->text();
              for (const QWidget* w : dialog->findChildren<QWidget*>()) {
                  const auto* label = qobject_cast<const QLabel*>(w);
                  const auto* button = qobject_cast<const QPushButton*>(w);
                  if (w->isVisible() && (label || button))
                      labels << (label ? label->text() : button->text());
              }
              if (name.isEmpty()) return dialog->reject();
              dialog->setDirectory(folder);
              dialog->activateWindow();
              edit->setFocus();
              EXPECT_TRUE(QTest::qWaitFor([edit] { return edit->hasFocus(); }));
              edit->clear();
              TypeText(edit, name);
              QTest::keyClick(edit, Qt::Key_Return);
              if (!dialog->isVisible()) return;
              ADD_FAILURE() << "Enter did not save: " << edit->text().toStdString();
              dialog->reject();
          }) {}
};
