// "Проверка" on the results panel: the design check of the results shown,
// and its part of the report.

#include "Catalogue.h"
#include "CheckDialog.h"
#include "CheckReport.h"
#include "DesignRun.h"
#include "L_C.h"
#include "ReportContent.h"
#include "ui_L_C.h"

namespace transcalc {

transcalc::CheckedDesign TForm1::CurrentCheckedDesign() const {
    // Until its results pass has run, a "Расчет" has left nothing to check;
    // before the first one the list keeps its designed colour, which says so.
    const bool passed = !state_.ResultsPending && !ui_->GroupBox1->isHidden();
    const transcalc::ListColour colour =
        passed ? results_->Colour() : transcalc::ListColour::Default;
    return transcalc::CheckedDesignOf(lastCalculate_.error, colour, lastCalculate_.asRead, state_,
                                      transcalc::RunCores(design_), ChosenCoreLetters(),
                                      design_.familyCore);
}

// The dialog keeps the window modal while open; its inputs and material stay
// with the design when it closes.
void TForm1::OpenDesignCheck() {
    const transcalc::catalogue::Catalogue& catalogue = Catalogue();
    // The run of the last "Расчет" as the windings read it.
    WindingSubject windings{design_, {}, transcalc::catalogue::RoundWires(catalogue)};
    windings.run.error = lastCalculate_.error;
    windings.run.asRead = lastCalculate_.asRead;
    windings.run.after = state_;
    windings.run.checked = CurrentCheckedDesign();
    auto* dialog = new CheckDialog(std::move(windings), catalogue.materials,
                                   QString::fromStdString(design_.material),
                                   QString::fromStdString(separator_), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setErrorReporter(reportError_);
    if (design_.check) {
        dialog->setInputs(*design_.check);
    }
    connect(dialog, &QDialog::finished, this, [this, dialog] {
        design_.check = dialog->inputs();
        design_.material = dialog->materialName();
    });
    dialog->open();
}

// Once the check has run, the report shows it for the results it prints.
void TForm1::AddCheckToReport(transcalc::ReportContent& report) const {
    if (!design_.check) {
        return;
    }
    const transcalc::Material* material =
        design_.material.empty()
            ? nullptr
            : transcalc::catalogue::FindMaterial(Catalogue(), design_.material);
    // The run of the results shown, as the windings read it.
    transcalc::DesignRun run;
    run.error = lastCalculate_.error;
    run.asRead = lastCalculate_.asRead;
    run.after = state_;
    run.checked = CurrentCheckedDesign();
    transcalc::AddCheckToReport(report, run, material, *design_.check,
                                transcalc::catalogue::RoundWires(Catalogue()), separator_);
}

}  // namespace transcalc
