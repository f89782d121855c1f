// The main of every test program that needs Qt: it starts the application as
// the programs do, in the Turkish session the tests run in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <cstdlib>

#include "TestSupport.h"
#include "platform/NeutralNumbers.h"

int main(int argc, char** argv) {
    // Windows and pictures need no screen; test discovery runs without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Row stores of the reports the tests open go to a folder of their own.
    TempDir temporary;
    setenv("TMPDIR", temporary.Path().c_str(), 1);
    // Qt's file dialog keeps its folder history and column widths in the
    // user's configuration; the tests' stays in their own folder.
    setenv("XDG_CONFIG_HOME", temporary.File("config").c_str(), 1);
    QApplication app(argc, argv);
    UseNeutralNumbersInTheCLibrary();
    // Captions that carry numbers follow the user's locale; fix it.
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
