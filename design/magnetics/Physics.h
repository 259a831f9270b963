#pragma once

#include <numbers>
#include <optional>

namespace transcalc {

// The physical constants and rules that the check, the windings and the
// adviser share: each is written here once.

inline constexpr double kMu0 = 4e-7 * std::numbers::pi;  // H/m, the magnetic constant

// Copper's resistivity at a temperature (°C), linear about 20 °C: Ω·m.
double CopperResistivity(double celsius);

// The skin depth of a conductor of that resistivity (Ω·m) at a frequency
// (Hz), m.
double SkinDepth(double resistivity, double frequency);

// How far a part rises above the air (K) when it sheds `loss` watts through
// `surface` m²: the ferrite makers' rule, mW over cm² to the power 0.833.
// None without a surface or for a loss that is not a number of at least 0.
std::optional<double> SurfaceRise(double loss, const std::optional<double>& surface);

}  // namespace transcalc
