#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Window tests never need a screen; test discovery runs them without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
