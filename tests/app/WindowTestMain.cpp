#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "WindowFonts.h"
#include "WindowLanguage.h"

using transcalc::InstallFontSubstitutes;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    // The tests choose languages in a settings folder of their own, never
    // the user's, and start in Russian whatever the environment says.
    transcalc::SetSettingsNames();
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    qunsetenv("TRANSCALC_LANG");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
