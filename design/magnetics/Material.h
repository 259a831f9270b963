#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace transcalc {

// The saturation flux density of a material at one temperature.
struct SaturationPoint {
    double temperature = 0;  // °C
    double fluxDensity = 0;  // T
};

// One frequency range of a material's Steinmetz fit, P_v = k·f^α·B^β in
// W/m³ (f in Hz, B in T), with the optional temperature factor
// ct0 − ct1·T + ct2·T² (T in °C).
struct SteinmetzRange {
    double minimumFrequency = 0;  // Hz
    double maximumFrequency = 0;  // Hz
    double k = 0;
    double alpha = 0;
    double beta = 0;
    bool hasTemperatureFactor = false;
    double ct0 = 0;
    double ct1 = 0;
    double ct2 = 0;
};

// Which maker's set of formulas a powder's coefficients belong to.
enum class PowderMethod { Magnetics, Micrometals, FairRite };

// A maker's fit of the permeability against the DC field, the frequency, the
// AC flux density and the temperature, for the cores of one family; each
// factor's coefficients a, b, ... in order, empty where not given.
struct PermeabilityModifiers {
    std::string family;  // "default" (rings), "E/ER/U", "EQ/LP"
    PowderMethod method = PowderMethod::Magnetics;
    std::vector<double> bias;
    std::vector<double> frequency;
    std::vector<double> flux;
    std::vector<double> temperature;
};

// A maker's core loss formula for the cores of one family (magnetics: a, b,
// c; micrometals: a, b, c, d).
struct LossFormula {
    std::string family;
    PowderMethod method = PowderMethod::Magnetics;
    std::vector<double> coefficients;
};

// A core material as the catalogue knows it and the design check uses it.
struct Material {
    std::string name;
    std::string maker;
    std::string composition;                  // "ferrite", "powder", ...
    double initialPermeability = 0;           // at 25 °C
    std::vector<SaturationPoint> saturation;  // ascending temperature
    std::vector<SteinmetzRange> steinmetz;    // ascending frequency
    std::optional<double> curieTemperature;   // °C
    std::vector<PermeabilityModifiers> modifiers;
    std::vector<LossFormula> lossFormulas;
};

// The entry made for a core family ("default" for rings, "E/ER/U", ...),
// else the "default" one; null without either.
template <class Fit>
const Fit* FitForFamily(const std::vector<Fit>& fits, std::string_view family) {
    const Fit* fallback = nullptr;
    for (const Fit& fit : fits) {
        if (fit.family == family) {
            return &fit;
        }
        if (fit.family == "default") {
            fallback = &fit;
        }
    }
    return fallback;
}

// Whether a core of the material is no longer magnetic at a temperature:
// at or above its Curie point; never for a material without one.
bool AboveCurie(const Material& material, double temperature);

// A stretch of temperatures in °C.
struct TemperatureSpan {
    double low = 0;
    double high = 0;
};

// The temperatures a material's data reach: those of its saturation points,
// which its maker measures beside the loss; none without points.
std::optional<TemperatureSpan> DataTemperatures(const Material& material);

// The saturation flux density at a temperature: linear between the two
// nearest points, the first value below them; above the last one it falls
// linearly to 0 at the Curie point, or stays at the last value for a
// material without one; never above a point at a lower temperature; 0 for a
// material without points and at or above the Curie point.
double SaturationAt(const Material& material, double temperature);

}  // namespace transcalc
