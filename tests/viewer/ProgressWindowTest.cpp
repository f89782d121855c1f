#include <gtest/gtest.h>

#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include "viewer/ProgressWindow.h"

namespace {

TEST(ProgressWindow, ShortWorkShowsNothing) {
    QWidget window;
    window.show();
    ProgressWindow progress(&window, QStringLiteral("Kaydediliyor: rapor.csv"));
    for (int step = 0; step <= 4; ++step) EXPECT_TRUE(progress.Report(step, 4));
    EXPECT_FALSE(window.findChild<QProgressDialog*>("ProgressWindow")->isVisible());
}

TEST(ProgressWindow, LongWorkShowsTheBarAndTheButtonStopsIt) {
    QWidget window;
    window.show();
    ProgressWindow progress(&window, QStringLiteral("Kaydediliyor: rapor.csv"));
    EXPECT_TRUE(progress.Report(1, 4));
    QTest::qWait(700);
    EXPECT_TRUE(progress.Report(2, 4));
    auto* dialog = window.findChild<QProgressDialog*>("ProgressWindow");
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->labelText(), QStringLiteral("Kaydediliyor: rapor.csv"));
    EXPECT_EQ(dialog->value(), 500);
    QPushButton* stop = dialog->findChild<QPushButton*>();
    ASSERT_NE(stop, nullptr);
    EXPECT_EQ(stop->text(), QString::fromUtf8("İptal"));
    QTest::mouseClick(stop, Qt::LeftButton);
    EXPECT_FALSE(progress.Report(3, 4));
}

}  // namespace
