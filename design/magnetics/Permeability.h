#pragma once

#include <string_view>

#include "Material.h"

namespace transcalc {

// A material's relative permeability where the core works. A ferrite keeps
// the catalogue's initial value: its gap, not its material, sets a gapped
// core's inductance. A powder's falls with the DC field, and moves with the
// frequency, the temperature and (iron powders) the AC flux, by its maker's
// fits for the family of the core.

struct OperatingPoint {
    double field = 0;         // A/m, the DC field H
    double frequency = 0;     // Hz; 0 leaves the frequency's fit out
    double temperature = 25;  // °C
    double acFlux = 0;        // T, the AC peak; 0 leaves the flux's fit out
};

// Whether the material's permeability falls with its DC field: a powder
// with a maker's fit of it.
bool PermeabilityRollsOff(const Material& material, std::string_view family);

// The relative permeability at an operating point; the catalogue's initial
// value for a material without fits. Beyond its data a fit's polynomial can
// turn negative: each factor is kept between 1 % and ten times.
double PermeabilityAt(const Material& material, std::string_view family,
                      const OperatingPoint& point);

}  // namespace transcalc
