// Saves the check dialog of a push-pull forward design, of a ring choke and
// of a powder ring choke, each with its windings: transcalc_check_screenshots OUTPUT_FOLDER
// (in English with TRANSCALC_LANG=en)

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QTest>
#include <iostream>

#include "CheckDialog.h"
#include "CheckFixture.h"
#include "PowderFixture.h"
#include "WindowFonts.h"
#include "WindowLanguage.h"

using transcalc::CheckDialog;
using transcalc::InstallFontSubstitutes;

namespace {

using namespace transcalc;
using testing_support::E25Design;
using testing_support::N87;
using testing_support::RingChokeDesign;

// A design with its run and the standard grade-1 wires.
WindingSubject Subject(const Design& design) {
    return {design, RunDesign(design, ","), testing_support::GradeOneWires()};
}

bool Save(CheckDialog& dialog, const QDir& folder, const QString& name) {
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) {
        std::cerr << "the dialog was not shown\n";
        return false;
    }
    QTest::qWait(100);
    const QString path = folder.filePath(name);
    if (!dialog.grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << '\n';
        return false;
    }
    std::cout << path.toStdString() << '\n';
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: transcalc_check_screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    InstallFontSubstitutes();
    transcalc::SetSettingsNames();
    transcalc::ApplyWindowLanguage(transcalc::StartLanguage());

    // E 25/13/7 at 50 kHz, 300 V, dB 0.45 T, 5 A at 12 V.
    CheckDialog forward(Subject(E25Design(kModePushPull)), {N87()}, "N87", ",");
    forward.findChild<QDoubleSpinBox*>("checkLoadCurrent")->setValue(5);
    bool saved = Save(forward, folder, "screenshot-check-forward.png");

    // The ring choke of the guide at 2 A with 1 A ripple and 100 kHz.
    CheckDialog choke(Subject(RingChokeDesign()), {N87()}, "N87", ",");
    choke.findChild<QDoubleSpinBox*>("checkCurrent")->setValue(2);
    choke.findChild<QDoubleSpinBox*>("checkRipple")->setValue(1);
    choke.findChild<QDoubleSpinBox*>("checkFrequency")->setValue(100);
    saved = Save(choke, folder, "screenshot-check-choke.png") && saved;

    // A Kool Mµ 60 ring of 46.7/24.1/18 mm, 40 turns, at 10 A with 1 A ripple.
    CheckDialog powder(Subject(testing_support::KoolMuRingDesign()), {testing_support::KoolMu60()},
                       "Kool Mµ 60", ",");
    powder.findChild<QDoubleSpinBox*>("checkCurrent")->setValue(10);
    powder.findChild<QDoubleSpinBox*>("checkRipple")->setValue(1);
    powder.findChild<QDoubleSpinBox*>("checkFrequency")->setValue(100);
    saved = Save(powder, folder, "screenshot-check-powder-choke.png") && saved;
    return saved ? 0 : 1;
}
