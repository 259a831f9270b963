#pragma once

#include <optional>
#include <string_view>

#include "CheckedDesign.h"
#include "Material.h"
#include "Permeability.h"

namespace transcalc {

// The inductance of a design where it works: its core and gap with the
// gap's fringing field, and its material's permeability at the temperature,
// the frequency and, for a powder, the DC field of the winding's current,
// H = N·I/l_e. The permeability typed into the list stands for the material
// at rest; a powder's fits scale it.
class WorkingInductance {
public:
    WorkingInductance(const CheckedDesign& design, const Material* material, double temperature,
                      double frequency);

    // Whether the permeability falls with the current.
    bool RollsOff() const { return rollsOff_; }
    // The relative permeability with a DC current (A) in the winding and an
    // AC peak flux (T); none without a typed permeability.
    std::optional<double> Permeability(double current, double acFlux = 0) const;
    // H; none without a core shape or a permeability.
    std::optional<double> At(double current, double acFlux = 0) const;

private:
    const CheckedDesign& design_;
    const Material* material_;
    std::string_view family_;
    OperatingPoint point_;
    bool rollsOff_ = false;
};

}  // namespace transcalc
