#include <gtest/gtest.h>

#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include "platform/ProgressWindow.h"

namespace {

// Short work shows nothing; work still going after half a second brings the
// bar up, and its button stops the work.
TEST(ProgressWindow, LongWorkShowsTheBarAndTheButtonStopsIt) {
    QWidget window;
    window.show();
    {
        ProgressWindow progress(&window, QStringLiteral("Kaydediliyor: a.csv"));
        for (int step = 0; step <= 4; ++step) EXPECT_TRUE(progress.Report(step, 4));
        EXPECT_FALSE(window.findChild<QProgressDialog*>("ProgressWindow")->isVisible());
    }
    ProgressWindow progress(&window, QStringLiteral("Kaydediliyor: rapor.csv"));
    EXPECT_TRUE(progress.Report(1, 4));
    auto* dialog = window.findChild<QProgressDialog*>("ProgressWindow");
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->isVisible(); }, 10000));
    EXPECT_TRUE(progress.Report(2, 4));
    EXPECT_EQ(dialog->labelText(), QStringLiteral("Kaydediliyor: rapor.csv"));
    EXPECT_EQ(dialog->value(), 500);
    QPushButton* stop = dialog->findChild<QPushButton*>();
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(stop->text(), QString::fromUtf8("İptal"));
    QTest::mouseClick(stop, Qt::LeftButton);
    EXPECT_FALSE(progress.Report(3, 4));
}

}  // namespace
