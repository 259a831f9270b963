// Saves the check dialog of a push-pull forward design and of a ring choke:
// transcalc_check_screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QTest>
#include <iostream>

#include "CheckDialog.h"
#include "Command.h"
#include "WindowFonts.h"

namespace {

using namespace transcalc;

CheckedDesign DesignOf(WorkMode mode, CoreKind core,
                       std::initializer_list<std::pair<Field, const char*>> texts) {
    InputFields fields = InputFields::DesignTexts();
    for (const auto& [field, text] : texts) {
        fields[field] = text;
    }
    DesignState state;
    state.Mode = ModeText(mode);
    RecordedList list;
    const CorePictures cores = CorePictures::Of(core);
    const CommandOutcome outcome = RunCommand(fields, cores, state, list, ",");
    return CheckedDesignOf(outcome, list.colour, state, cores);
}

// N87 from the public material data.
Material N87() {
    Material material;
    material.name = "N87";
    material.saturation = {{25, 0.49525}, {100, 0.3898}};
    material.steinmetz = {
        {1, 1e5, 13824.103826607978, 1.188950273156242, 2.6264456146939663, true, 0.009808497074635,
         0.00014772943887100001, 7.149209522667017e-07},
        {1e5, 3e5, 8.240839311387179, 1.783283908091697, 2.622642071669304, true, 0.012426550542241,
         0.000174382452395, 9.580509181143946e-07},
        {3e5, 1e7, 0.0014727360841870001, 2.34731328681022, 2.417588220719945, true,
         0.017476005637088, 0.000176510632716, 1.6384804575335691e-06},
    };
    return material;
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

    // E 25/13/7 at 50 kHz, 300 V, dB 0.45 T.
    CheckDialog forward(DesignOf(WorkMode::PushPull, CoreKind::ShapedE,
                                 {{Field::Dimension1, "12,8"},
                                  {Field::Dimension2, "25,4"},
                                  {Field::Dimension3, "7,5"},
                                  {Field::Dimension4, "7,5"},
                                  {Field::FrequencyOrPulse, "50"},
                                  {Field::VoltageIn, "300"},
                                  {Field::VoltageOut, "12"},
                                  {Field::SatInduction, "0,45"},
                                  {Field::Permeability, "2200"}}),
                        {N87()}, "N87", ",");
    bool saved = Save(forward, folder, "screenshot-check-forward.png");

    // The ring choke of the guide at 2 A with 1 A ripple and 100 kHz.
    CheckDialog choke(DesignOf(WorkMode::Choke, CoreKind::Ring,
                               {{Field::Dimension1, "20"},
                                {Field::Dimension2, "10"},
                                {Field::Dimension3, "10"},
                                {Field::Gap, "0,5"},
                                {Field::SatInduction, "0,3"},
                                {Field::Permeability, "2000"},
                                {Field::ChokeTurns, "20"}}),
                      {N87()}, "N87", ",");
    choke.findChild<QDoubleSpinBox*>("checkCurrent")->setValue(2);
    choke.findChild<QDoubleSpinBox*>("checkRipple")->setValue(1);
    choke.findChild<QDoubleSpinBox*>("checkFrequency")->setValue(100);
    saved = Save(choke, folder, "screenshot-check-choke.png") && saved;
    return saved ? 0 : 1;
}
