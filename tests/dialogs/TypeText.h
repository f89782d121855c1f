#pragma once
#include <QTest>

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
