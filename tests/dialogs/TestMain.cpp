#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <cstdlib>

#include "TestSupport.h"

int main(int argc, char** argv) {
    // The test list is also read at build time, where no display is set.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Row stores of the reports the tests open go to a folder of their own.
    TempDir temporary;
    setenv("TMPDIR", temporary.Path().c_str(), 1);
    QApplication app(argc, argv);
    // Captions that carry numbers follow the user's locale; fix it.
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
