#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "CheckText.h"
#include "ConverterRun.h"
#include "DesignCheck.h"
#include "DesignRun.h"
#include "Material.h"
#include "WindingCheck.h"

class QComboBox;
class QFormLayout;
class QLocale;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace transcalc {

class CheckPlot;
class WindingsPanel;

// What the windings of a checked design are wound from: the design, the run
// that the check reads, and the wires to choose from.
struct WindingSubject {
    transcalc::Design design;
    transcalc::DesignRun run;
    std::vector<transcalc::RoundWire> wires;
};

// The design check of one design: the material, the core temperature and,
// for the choke, its currents and frequency; the results with what each
// means, and the plot of loss and rise against frequency. With the windings
// also the load current (forward modes), the current density and the
// "Обмотки" section, and the copper and total loss on the plot. Recomputes
// as its inputs change.
class CheckDialog : public QDialog {
    Q_OBJECT

public:
    // Shows an error text; the default is the window's error box.
    using ErrorReporter = std::function<void(const QString& text)>;

    // materials: the catalogue to choose from; preselected: the name chosen
    // at the start ("без материала" when no material has it). The core alone:
    // no windings.
    CheckDialog(transcalc::CheckedDesign design, std::vector<transcalc::Material> materials,
                const QString& preselected, const QString& decimalSeparator,
                QWidget* parent = nullptr);
    // The core and its windings.
    CheckDialog(WindingSubject windings, std::vector<transcalc::Material> materials,
                const QString& preselected, const QString& decimalSeparator,
                QWidget* parent = nullptr);

    const transcalc::DesignCheck& check() const { return check_; }
    const transcalc::WindingCheck& windings() const { return windings_; }
    // The inputs as the dialog holds them now, and puts others in place.
    // Inputs the dialog does not show for this design are kept as given; a
    // value outside its bounds is reported and leaves its box as it was.
    transcalc::CheckInputs inputs() const { return Inputs(); }
    void setInputs(const transcalc::CheckInputs& inputs);
    // The material chosen; empty for none.
    std::string materialName() const;
    void setErrorReporter(ErrorReporter reporter);

private:
    void Build(const QString& preselected);
    QWidget* BuildInputs(const QString& preselected);
    void AddWindingInputs(QWidget* inputs, QFormLayout* form, const QLocale& locale);
    QWidget* BuildOutputs(const QLocale& locale);
    void DropEdited();
    void PutConverter();
    void ConverterEdited();
    bool ConverterInUse() const;
    void TakeConverter(transcalc::CheckInputs& inputs) const;
    void DensityChanged();
    bool DensityWithinBounds() const;
    void Recompute();
    const transcalc::Material* ChosenMaterial() const;
    transcalc::CheckInputs Inputs() const;
    QString ResultsHtml(const std::vector<transcalc::CheckLine>& lines) const;

    transcalc::CheckedDesign design_;
    std::optional<WindingSubject> subject_;
    std::vector<transcalc::Material> materials_;
    std::string separator_;
    ErrorReporter reportError_;
    transcalc::CheckInputs kept_;  // the last inputs given or taken within bounds
    transcalc::DesignCheck check_;
    transcalc::WindingCheck windings_;
    int shownLines_ = -1;         // the number of result lines the dialog was fitted to
    bool windingsShown_ = false;  // whether it was fitted to the windings' rows

    QComboBox* material_ = nullptr;
    QDoubleSpinBox* temperature_ = nullptr;
    QDoubleSpinBox* current_ = nullptr;    // the choke's only
    QDoubleSpinBox* ripple_ = nullptr;     // the choke's only
    QDoubleSpinBox* frequency_ = nullptr;  // the choke's only
    QDoubleSpinBox* load_ = nullptr;       // the forward modes' only, with windings
    QDoubleSpinBox* density_ = nullptr;    // with windings
    // The "Выходы" group: the converter around a transformer with windings.
    // Outputs 2…4 each a voltage, current, name and drop; output 1 its drop.
    struct OutputBoxes {
        QDoubleSpinBox* voltage = nullptr;
        QDoubleSpinBox* current = nullptr;
        QLineEdit* name = nullptr;
        QDoubleSpinBox* drop = nullptr;
    };
    QDoubleSpinBox* drop1_ = nullptr;
    std::vector<OutputBoxes> outputs_;
    QDoubleSpinBox* inputMin_ = nullptr;
    QDoubleSpinBox* inputMax_ = nullptr;
    // A new design's drops of 0,7 V stand only once the converter is in use
    // (another output or a range), as on the command line; drops edited or
    // given with the inputs stand as they are.
    bool dropsGiven_ = false;
    QLabel* converter_ = nullptr;  // both ends' figures, side by side
    QLabel* results_ = nullptr;
    QLabel* note_ = nullptr;  // how far the loss and rise are to be trusted
    WindingsPanel* windingsPanel_ = nullptr;
    CheckPlot* plot_ = nullptr;
};

}  // namespace transcalc
