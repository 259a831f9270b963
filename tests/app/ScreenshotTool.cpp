// Drives the real main window through a ring choke design and saves what it
// shows at each step: transcalc_screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <iostream>

#include "L_C.h"
#include "WindowFonts.h"

namespace {

void Fill(TForm1& form, const std::vector<std::pair<int, const char*>>& texts) {
    for (const auto& [number, text] : texts) {
        form.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(number))
            ->setText(QString::fromUtf8(text));
    }
}

bool Save(TForm1& form, const QDir& folder, const QString& name) {
    QTest::qWait(100);  // a few status ticks
    const QString path = folder.filePath(name);
    if (!form.grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << '\n';
        return false;
    }
    std::cout << path.toStdString() << '\n';
    return true;
}

bool WaitForResults(const QTimer& resultsTimer) {
    if (!QTest::qWaitFor([&] { return !resultsTimer.isActive(); }, 2000)) {
        std::cerr << "the results pass did not finish\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: transcalc_screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    InstallFontSubstitutes();
    TForm1 form;
    form.setDecimalSeparator(QStringLiteral(","));
    form.setErrorReporter([](const QString& text) { std::cerr << text.toStdString() << '\n'; });
    form.show();
    bool saved = Save(form, folder, "start.png");

    form.N1Click();
    form.N3Click();
    Fill(form, {{1, "20"}, {2, "10"}, {3, "10"}, {5, "0,5"}, {9, "0,3"}, {10, "2000"}, {11, "20"}});
    saved = Save(form, folder, "choke-input.png") && saved;

    form.BitBtn5Click();
    auto* resultsTimer = form.findChild<QTimer*>(QStringLiteral("Timer2"));
    saved = WaitForResults(*resultsTimer) && Save(form, folder, "choke-results.png") && saved;

    form.N2Click();
    form.N4Click();
    Fill(form, {{1, "30"},
                {2, "40"},
                {3, "10"},
                {4, "12"},
                {5, "0,2"},
                {6, "10"},
                {7, "310"},
                {8, "12"},
                {12, "100"}});
    saved = Save(form, folder, "flyback-input.png") && saved;

    form.N11Click();
    form.N7Click();
    Fill(form, {{6, "50"}});
    saved = Save(form, folder, "push-pull-input.png") && saved;
    form.BitBtn5Click();
    saved = WaitForResults(*resultsTimer) && Save(form, folder, "push-pull-results.png") && saved;
    return saved ? 0 : 1;
}
