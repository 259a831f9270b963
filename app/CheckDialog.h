#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "CheckText.h"
#include "DesignCheck.h"
#include "Material.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace transcalc {

class CheckPlot;

// The design check of one design: the material, the core temperature and,
// for the choke, its currents and frequency; the results with what each
// means, and the plot of loss and rise against frequency. Recomputes as its
// inputs change.
class CheckDialog : public QDialog {
    Q_OBJECT

public:
    // materials: the catalogue to choose from; preselected: the name chosen
    // at the start ("без материала" when no material has it).
    CheckDialog(transcalc::CheckedDesign design, std::vector<transcalc::Material> materials,
                const QString& preselected, const QString& decimalSeparator,
                QWidget* parent = nullptr);

    const transcalc::DesignCheck& check() const { return check_; }
    // The inputs as the dialog holds them now, and puts others in place.
    transcalc::CheckInputs inputs() const { return Inputs(); }
    void setInputs(const transcalc::CheckInputs& inputs);
    // The material chosen; empty for none.
    std::string materialName() const;

private:
    QWidget* BuildInputs(const QString& preselected);
    void Recompute();
    const transcalc::Material* ChosenMaterial() const;
    transcalc::CheckInputs Inputs() const;
    QString ResultsHtml(const std::vector<transcalc::CheckLine>& lines) const;

    transcalc::CheckedDesign design_;
    std::vector<transcalc::Material> materials_;
    std::string separator_;
    transcalc::DesignCheck check_;
    int shownLines_ = -1;  // the number of result lines the dialog was fitted to

    QComboBox* material_ = nullptr;
    QDoubleSpinBox* temperature_ = nullptr;
    QDoubleSpinBox* current_ = nullptr;    // the choke's only
    QDoubleSpinBox* ripple_ = nullptr;     // the choke's only
    QDoubleSpinBox* frequency_ = nullptr;  // the choke's only
    QLabel* results_ = nullptr;
    CheckPlot* plot_ = nullptr;
};

}  // namespace transcalc
