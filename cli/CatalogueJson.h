#pragma once

#include <string>
#include <vector>

namespace transcalc {
struct Material;
}  // namespace transcalc

namespace transcalc::catalogue {
struct Core;
struct Wire;
}  // namespace transcalc::catalogue

namespace transcalc::cli {

// --list with --json: one array on one line, an object for each entry with
// the columns of its line in the catalogue file, in the same units.
//   core      name, kind, dimensions {LETTER: mm}
//   material  name, maker, composition, initial_permeability, saturation
//             [{temperature, flux_density}], steinmetz [{min_frequency,
//             max_frequency, k, alpha, beta, ct0, ct1, ct2}], curie_temperature,
//             permeability_modifiers [{family, method, bias, frequency, flux,
//             temperature}], loss_formulas [{family, method, coefficients}]
//   wire      name, grade, conductor_diameter, outer_diameter
// A value the line leaves empty is null.
std::string CoresJson(const std::vector<const catalogue::Core*>& cores);
std::string MaterialsJson(const std::vector<Material>& materials);
std::string WiresJson(const std::vector<catalogue::Wire>& wires);

}  // namespace transcalc::cli
