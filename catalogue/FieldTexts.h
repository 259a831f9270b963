#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Entries.h"
#include "InputField.h"
#include "Material.h"

namespace transcalc::catalogue {

// The text an input field gets from the catalogue.
struct FieldText {
    Field field;
    std::string text;
};

// The value rounded half away from zero to `decimals` decimals, trailing zeros
// and a trailing separator dropped, with the given decimal separator.
std::string RoundedText(double value, int decimals, std::string_view separator);

// The dimension fields of a core: a ring's D1 = A, D2 = B, H = C; an E core's
// H1 = B, H2 = A, L1 = F (centre leg), L2 = C; a U core's H1 = B, H2 = A,
// L1 = (A - E) / 2 (one leg), L2 = C. Millimetres to 2 decimals.
std::vector<FieldText> CoreFieldTexts(const Core& core, std::string_view separator);

// The temperature of the saturation induction that the dB field takes.
inline constexpr double kFieldSaturationTemperature = 100;

// The initial permeability as a whole number.
std::string PermeabilityText(const Material& material);

// The saturation flux density at 100 °C in tesla to 3 decimals; empty for a
// material without saturation data.
std::string SaturationText(const Material& material, std::string_view separator);

// The permeability field and, where the material has saturation data, the dB
// field.
std::vector<FieldText> MaterialFieldTexts(const Material& material, std::string_view separator);

}  // namespace transcalc::catalogue
