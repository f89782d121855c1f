#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace Tabulon {

// Acts once on the next modal window of the given kind, from inside its event
// loop; gives up after about ten seconds, so a window that never opens fails.
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

// Answers every message box that opens while it lives with the given button,
// keeping each as "title [icon buttons] text", buttons only for Yes/No.
class MessageBoxCatcher {
  public:
    std::vector<std::string> shown;

    explicit MessageBoxCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                const char* icons[] = {"", "information", "warning", "critical", "question"};
                const bool choice = box->standardButtons() == (QMessageBox::Yes | QMessageBox::No);
                shown.push_back(box->windowTitle().toStdString() + " [" + icons[box->icon()] +
                                (choice ? " Yes No] " : "] ") + box->text().toStdString());
                box->button(answer) ? box->button(answer)->click() : box->done(answer);
            }
        });
        timer_.start(10);
    }

  private:
    QTimer timer_;
};

// Types text key by key, each key event carrying its letter, Turkish ones too.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), {});
}

// Answers the file dialog: types the name (in `folder`, unless it is a path)
// with the focus in the name box and presses Enter, or cancels for an empty
// name. Notes the dialog as "title|filters|proposed name" and its labels.
struct FileChoice {
    std::string asked;
    QStringList labels;
    OnModal<QFileDialog> answer;

    FileChoice(const std::string& folder, const QString& name)
        : answer([this, folder, name](QFileDialog* dialog) {
              auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
              asked = (dialog->windowTitle() + "|" + dialog->nameFilters().join(";;") + "|" +
                       edit->text())
                          .toStdString();
              for (const QWidget* w : dialog->findChildren<QWidget*>()) {
                  const auto* label = qobject_cast<const QLabel*>(w);
                  const auto* button = qobject_cast<const QPushButton*>(w);
                  if (w->isVisible() && (label || button))
                      labels << (label ? label->text() : button->text());
              }
              if (name.isEmpty()) return dialog->reject();
              const qsizetype slash = name.lastIndexOf('/');
              dialog->setDirectory(slash < 0 ? QString::fromStdString(folder) : name.left(slash));
              dialog->activateWindow();
              edit->setFocus();
              EXPECT_TRUE(QTest::qWaitFor([edit] { return edit->hasFocus(); }));
              edit->clear();
              TypeText(edit, name.mid(slash + 1));
              QTest::keyClick(edit, Qt::Key_Return);
              if (!dialog->isVisible()) return;
              ADD_FAILURE() << "Enter did not save: " << edit->text().toStdString();
              dialog->reject();
          }) {}
};

}  // namespace Tabulon
