// The main of every test program that needs Qt: it starts the application as
// the programs do, in the Turkish session the tests run in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <cstdlib>

#include "TestSupport.h"
#include "platform/NeutralNumbers.h"

using namespace Tabulon;

int main(int argc, char** argv) {
    // Windows and pictures need no screen; test discovery runs without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Row stores and the file dialog's history stay in the tests' own folder.
    TempDir temporary;
    setenv("TMPDIR", temporary.Path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", temporary.File("config").c_str(), 1);
    QApplication app(argc, argv);
    UseNeutralNumbersInTheCLibrary();
    // Captions that carry numbers follow the user's locale; fix it.
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
