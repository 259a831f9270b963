#include <gtest/gtest.h>

#include <QApplication>

#include "WindowFonts.h"

using transcalc::InstallFontSubstitutes;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
