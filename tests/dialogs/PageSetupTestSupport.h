#pragma once
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "MemorySettingsBackend.h"
#include "ModalWatcher.h"
#include "core/ReportModel.h"
#include "core/SettingsStore.h"
#include "dialogs/FrmPageSetup.h"

// The built-in page setup: A4 portrait, 15 mm margins, Times New Roman 10 pt,
// every option on.
inline ReportModel DefaultSetup() {
    ReportModel model;
    ApplyDefaultSettings(model, 1);
    return model;
}

template <typename W>
W* Control(QWidget& form, const QString& name) {
    W* widget = form.findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// Types into the size box the way a user does: select all, then the keys.
inline void TypeSize(QWidget& form, const QString& text) {
    QLineEdit* edit = Control<QComboBox>(form, "Combo2")->lineEdit();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

// Presses a button and answers the question that may follow.
inline QuestionSeen ClickAnswering(QWidget& form, const QString& button,
                                   QMessageBox::StandardButton answer) {
    QuestionSeen seen;
    ModalWatcher watcher(Answer(answer, seen));
    QTest::mouseClick(Control<QPushButton>(form, button), Qt::LeftButton);
    return seen;
}
