#include "WorkingInductance.h"

#include "DesignCheck.h"

namespace transcalc {

WorkingInductance::WorkingInductance(const CheckedDesign& design, const Material* material,
                                     double temperature, double frequency)
    : design_(design), material_(material) {
    if (design.shape) {
        family_ = design.shape->MaterialFamily();
    }
    point_.temperature = temperature;
    point_.frequency = frequency;
    rollsOff_ = material != nullptr && PermeabilityRollsOff(*material, family_);
}

std::optional<double> WorkingInductance::Permeability(double current, double acFlux) const {
    if (!(design_.permeability > 0)) {
        return std::nullopt;
    }
    if (material_ == nullptr || !(material_->initialPermeability > 0)) {
        return design_.permeability;
    }
    OperatingPoint point = point_;
    if (design_.effectiveLength > 0) {
        point.field = design_.turns * current / design_.effectiveLength;
    }
    point.acFlux = acFlux;
    return design_.permeability * PermeabilityAt(*material_, family_, point) /
           material_->initialPermeability;
}

std::optional<double> WorkingInductance::At(double current, double acFlux) const {
    const std::optional<double> mu = Permeability(current, acFlux);
    if (!mu) {
        return std::nullopt;
    }
    const std::optional<double> alValue = AlValueAt(design_, *mu);
    if (!alValue) {
        return std::nullopt;
    }
    return *alValue * design_.turns * design_.turns;
}

}  // namespace transcalc
