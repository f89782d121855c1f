#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "TestSupport.h"

int main(int argc, char** argv) {
    // Window tests never need a screen; test discovery runs them without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Row stores of the reports the tests open go to a folder of their own.
    TempDir temporary;
    setenv("TMPDIR", temporary.Path().c_str(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
