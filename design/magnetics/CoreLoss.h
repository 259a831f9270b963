#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "Material.h"

namespace transcalc {

// The core loss density of a material over a flux waveform by the improved
// generalised Steinmetz law, with the material's frequency ranges joined so
// that the loss is continuous in frequency.

// One straight piece of a flux waveform.
struct FluxSegment {
    double swing = 0;     // T, the flux change
    double duration = 0;  // s
};

// A piecewise-linear flux waveform over one period.
struct FluxWaveform {
    double period = 0;  // s
    double swing = 0;   // T, peak to peak
    std::vector<FluxSegment> segments;
};

// A stretch of frequencies in Hz.
struct FrequencySpan {
    double low = 0;
    double high = 0;
};

// ∫₀^{2π} |cos θ|^α dθ, the normalisation of the improved Steinmetz law.
double CosinePowerIntegral(double alpha);

// The range of a material's loss fit for a frequency: the one that holds it,
// else the nearest; null without ranges.
const SteinmetzRange* SteinmetzRangeFor(const Material& material, double frequency);

// The temperature factor ct0 − ct1·T + ct2·T² of a range (T in °C); 1 for a
// range without one.
double TemperatureFactor(const SteinmetzRange& range, double temperature);

// W/m³ by one range's coefficients, its temperature factor included.
double SteinmetzLossDensity(const SteinmetzRange& range, const FluxWaveform& waveform,
                            double temperature);

// The frequencies a material's loss fit covers: its ranges, those that meet
// or overlap joined into one span; ascending.
std::vector<FrequencySpan> SteinmetzSpans(const Material& material);

// Which law a loss comes from: the Steinmetz fit of a ferrite's data, or a
// powder maker's own formula.
enum class LossMethod { Steinmetz, Magnetics, Micrometals };

// W/m³ by a powder maker's formula at an AC peak flux (T) and a frequency
// (Hz): Magnetics P_v = a·B^b·f^c; Micrometals
// P_v = f/(a/B³ + b/B^2.3 + c/B^1.65) + d·B²·f². 0 without flux.
double MakerLossDensity(const LossFormula& formula, double acFlux, double frequency);

struct LossDensity {
    double density = 0;  // W/m³
    LossMethod method = LossMethod::Steinmetz;
    // Set when the frequency lies outside every range: the covered span
    // nearest to it, from which the loss is extrapolated.
    std::optional<FrequencySpan> outside;
    // Set when the fit's temperature factor is taken at a temperature
    // outside the material's data (DataTemperatures): those data's span.
    std::optional<TemperatureSpan> temperatureOutside;
};

// The loss density at a frequency (as entered, not recomputed from the
// period) and a temperature in °C. Where two ranges meet at f_b their fits
// disagree, by tens of per cent; within f_b/1.1 < f < 1.1·f_b the two are
// blended geometrically, so the loss is continuous in f. None for a material
// without loss ranges, or where the temperature factor of a range it takes
// is not positive: that fit does not hold at the temperature. A loss without
// a temperature factor (a maker's formula, a range without one) is the same
// at every temperature and extrapolates none.
// A material without ranges takes its maker's formula for the core family
// (Material.h), as the makers apply it: B half the swing, at the switching
// frequency; their formulas have no temperature.
std::optional<LossDensity> LossDensityAt(const Material& material, const FluxWaveform& waveform,
                                         double frequency, double temperature,
                                         std::string_view family = "default");

}  // namespace transcalc
