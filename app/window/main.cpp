#include <QApplication>
#include <iostream>

#include "L_C.h"
#include "WindowFonts.h"
#include "WindowLanguage.h"

namespace {

// Without a display Qt would abort with a message about platform plugins.
bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::cerr << "transcalc: no display to open the window on; run it under xvfb-run, "
                     "or use transcalc-cli for designs without a window\n";
        return 2;
    }
    QApplication application(argc, argv);
    // Names the menu entry, so that desktops match the window to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.transcalc.Transcalc"));
    transcalc::InstallFontSubstitutes();
    transcalc::SetSettingsNames();
    transcalc::ApplyWindowLanguage(transcalc::StartLanguage());
    transcalc::TForm1 Form1;
    Form1.BitBtn8Click();
    Form1.ReportLanguageSettingProblem();
    // A design file named on the command line, as the desktop passes it.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        Form1.OpenDesign(arguments.at(1));
    }
    Form1.show();
    return QApplication::exec();
}
