// "Подбор сердечника…" under "Параметры": the core adviser with the window's
// design as its starting point, and the chosen core back into the window.

#include "AdviserDialog.h"
#include "Catalogue.h"
#include "L_C.h"
#include "ui_L_C.h"

namespace transcalc {

// The window's design as the adviser starts from it: the mode, the fields,
// the material, the family of the core shown and the check's inputs; a choke's
// inductance from its last results.
transcalc::AdviserInputs TForm1::AdviserInputsOfWindow() const {
    transcalc::AdviserInputs inputs;
    inputs.mode = transcalc::ModeOfText(design_.mode).value_or(transcalc::WorkMode::PushPull);
    inputs.fields = design_.fields;
    inputs.separator = separator_;
    inputs.material = design_.material;
    inputs.families = {design_.Family().value_or(transcalc::CoreFamily::Ring)};
    inputs.check = design_.check.value_or(transcalc::CheckInputs{});
    const transcalc::CheckedDesign shown = CurrentCheckedDesign();
    if (!shown.nothingToCheck && shown.mode == transcalc::WorkMode::Choke &&
        state_.Inductance > 0) {
        inputs.inductanceMh = state_.Inductance * 1e3;
    }
    return inputs;
}

// One adviser at a time; it leaves the window usable while it searches.
void TForm1::OpenCoreAdviser() {
    if (auto* open = findChild<AdviserDialog*>(); open != nullptr && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* dialog = new AdviserDialog(
        Catalogue(), AdviserInputsOfWindow(), [this](const QString& text) { reportError_(text); },
        this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &AdviserDialog::designApplied, this, &TForm1::ApplyAdvisedDesign);
    dialog->show();
}

// As a design file opens, then "Расчет": the list shows the classic pass of
// the chosen core and the check the adviser's figures.
void TForm1::ApplyAdvisedDesign(const transcalc::Design& design) {
    ApplyDesign(design);
    BitBtn5Click();
}

}  // namespace transcalc
