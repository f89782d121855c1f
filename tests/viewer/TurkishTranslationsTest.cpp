#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include "viewer/TurkishTranslations.h"

namespace {
TEST(TurkishTranslations, StandardButtonsSpeakTurkish) {
    ASSERT_TRUE(InstallTurkishTranslations());
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Yes | QDialogButtonBox::No |
                             QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Ok)->text(), QString::fromUtf8("Tamam"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text().remove('&'), QString::fromUtf8("Evet"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::No)->text().remove('&'), QString::fromUtf8("Hayır"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'),
              QString::fromUtf8("İptal"));
    // Leave the other tests with Qt's own texts.
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(translator);
}
}  // namespace
