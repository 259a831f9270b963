#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Headless unless a platform is chosen: the tests never show a window.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
