#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <optional>

#include "Calculate.h"
#include "CoreShape.h"
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
// L1 = (A - E) / 2 (one leg), L2 = C. Millimetres to 2 decimals. None for a
// core of another family: the fields cannot hold it.
std::vector<FieldText> CoreFieldTexts(const Core& core, std::string_view separator);

// The letters of a Ш or П catalogue core for the design check's effective
// parameters, while the design still holds that core: its picture is shown
// and each dimension field holds the number that CoreFieldTexts gave it.
// None for a ring (its fields are exact), a core without the letters D and E,
// a core of another family, or fields typed over.
std::optional<CoreLetters> LettersWhileFilled(const Core& core, const CorePictures& cores,
                                              const InputFields& fields,
                                              std::string_view separator);

// The dB field takes the working flux density: the share of the saturation
// at the temperature that leaves a 20 % margin when the core is warm.
inline constexpr double kFieldSaturationTemperature = 100;
inline constexpr double kWorkingFluxShare = 0.8;

// The initial permeability as a whole number.
std::string PermeabilityText(const Material& material);

// The saturation flux density at a temperature in tesla to 3 decimals; empty
// for a material without saturation data.
std::string SaturationText(const Material& material, double temperature,
                           std::string_view separator);

// 0.8 · B_sat(100 °C) in tesla to 3 decimals, what the dB field takes; empty
// for a material without saturation data.
std::string WorkingFluxText(const Material& material, std::string_view separator);

// The permeability field and, where the material has saturation data, the dB
// field with the working flux density.
std::vector<FieldText> MaterialFieldTexts(const Material& material, std::string_view separator);

}  // namespace transcalc::catalogue
