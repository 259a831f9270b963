#include <gtest/gtest.h>

#include <QGuiApplication>

// The page is painted with fonts and pictures, which need the application;
// listing the tests needs none, nor a window system.
int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
