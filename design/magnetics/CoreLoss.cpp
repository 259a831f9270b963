#include "CoreLoss.h"

#include <math.h>  // lgamma_r, which std:: lacks

#include <algorithm>
#include <cmath>
#include <numbers>

namespace transcalc {
namespace {

using std::numbers::pi;

// Where two ranges meet: one's maximum and the next one's minimum within
// 0.1 % of each other, as the public data writes them (150001 and 150000).
bool Meet(double maximum, double minimum) {
    return std::abs(maximum - minimum) <= 0.001 * std::max(maximum, minimum);
}

// The width of the blend on either side of an edge.
constexpr double kBlendRatio = 1.1;

// Two ranges that meet at `frequency`.
struct Edge {
    const SteinmetzRange* below;
    const SteinmetzRange* above;
    double frequency;  // Hz, f_b
};

std::vector<const SteinmetzRange*> Ascending(const Material& material) {
    std::vector<const SteinmetzRange*> ranges;
    for (const SteinmetzRange& range : material.steinmetz) {
        ranges.push_back(&range);
    }
    std::stable_sort(ranges.begin(), ranges.end(), [](const auto* a, const auto* b) {
        return a->minimumFrequency < b->minimumFrequency;
    });
    return ranges;
}

// The edge whose blend holds the frequency, the nearest one on a log scale
// when two do.
std::optional<Edge> BlendingEdge(const Material& material, double frequency) {
    const std::vector<const SteinmetzRange*> ranges = Ascending(material);
    std::optional<Edge> nearest;
    for (std::size_t i = 0; i + 1 < ranges.size(); ++i) {
        if (!Meet(ranges[i]->maximumFrequency, ranges[i + 1]->minimumFrequency)) {
            continue;
        }
        const double edge = (ranges[i]->maximumFrequency + ranges[i + 1]->minimumFrequency) / 2;
        if (!(frequency > edge / kBlendRatio && frequency < edge * kBlendRatio)) {
            continue;
        }
        if (!nearest || std::abs(std::log(frequency / edge)) <
                            std::abs(std::log(frequency / nearest->frequency))) {
            nearest = Edge{ranges[i], ranges[i + 1], edge};
        }
    }
    return nearest;
}

// The covered span nearest to a frequency that lies outside all of them.
std::optional<FrequencySpan> OutsideSpan(const Material& material, double frequency) {
    std::optional<FrequencySpan> nearest;
    double nearestRatio = 0;
    for (const FrequencySpan& span : SteinmetzSpans(material)) {
        if (frequency >= span.low && frequency < span.high) {
            return std::nullopt;
        }
        const double ratio = frequency < span.low ? span.low / frequency : frequency / span.high;
        if (!nearest || ratio < nearestRatio) {
            nearest = span;
            nearestRatio = ratio;
        }
    }
    return nearest;
}

// The span of the material's data when a temperature factor is taken outside
// it: the quadratic factors fitted there grow without bound beyond.
std::optional<TemperatureSpan> OutsideTemperatures(const Material& material,
                                                   const SteinmetzRange& range,
                                                   double temperature) {
    const std::optional<TemperatureSpan> data = DataTemperatures(material);
    if (!range.hasTemperatureFactor || !data ||
        (temperature >= data->low && temperature <= data->high)) {
        return std::nullopt;
    }
    return data;
}

}  // namespace

double CosinePowerIntegral(double alpha) {
    // 4·∫₀^{π/2} cos^α θ dθ = 2·√π·Γ((α+1)/2) / Γ(α/2 + 1); through log-gamma so
    // that large exponents do not overflow. lgamma_r, not std::lgamma: that
    // one writes the C library's global signgam, and the adviser's threads
    // call this at once. Both arguments are positive, so the sign is +.
    int sign = 0;
    return 2 * std::sqrt(pi) *
           std::exp(::lgamma_r((alpha + 1) / 2, &sign) - ::lgamma_r(alpha / 2 + 1, &sign));
}

const SteinmetzRange* SteinmetzRangeFor(const Material& material, double frequency) {
    const SteinmetzRange* nearest = nullptr;
    double nearestRatio = 0;
    for (const SteinmetzRange& range : material.steinmetz) {
        if (frequency >= range.minimumFrequency && frequency < range.maximumFrequency) {
            return &range;
        }
        // Distance on a log scale: how many times the frequency lies outside.
        const double ratio = frequency < range.minimumFrequency
                                 ? range.minimumFrequency / frequency
                                 : frequency / range.maximumFrequency;
        if (nearest == nullptr || ratio < nearestRatio) {
            nearest = &range;
            nearestRatio = ratio;
        }
    }
    return nearest;
}

double SteinmetzLossDensity(const SteinmetzRange& r, const FluxWaveform& w, double temperature) {
    const double ki = r.k / (std::pow(2 * pi, r.alpha - 1) * CosinePowerIntegral(r.alpha) *
                             std::pow(2, r.beta - r.alpha));
    double energy = 0;  // J/m³ over one period
    for (const FluxSegment& s : w.segments) {
        if (s.duration > 0 && s.swing != 0) {
            energy += ki * std::pow(std::abs(s.swing / s.duration), r.alpha) *
                      std::pow(w.swing, r.beta - r.alpha) * s.duration;
        }
    }
    return energy / w.period * TemperatureFactor(r, temperature);
}

double TemperatureFactor(const SteinmetzRange& r, double temperature) {
    if (!r.hasTemperatureFactor) {
        return 1;
    }
    return r.ct0 - r.ct1 * temperature + r.ct2 * temperature * temperature;
}

std::vector<FrequencySpan> SteinmetzSpans(const Material& material) {
    std::vector<FrequencySpan> spans;
    for (const SteinmetzRange* range : Ascending(material)) {
        if (!spans.empty() && (range->minimumFrequency <= spans.back().high ||
                               Meet(spans.back().high, range->minimumFrequency))) {
            spans.back().high = std::max(spans.back().high, range->maximumFrequency);
        } else {
            spans.push_back({range->minimumFrequency, range->maximumFrequency});
        }
    }
    return spans;
}

double MakerLossDensity(const LossFormula& formula, double acFlux, double frequency) {
    const std::vector<double>& k = formula.coefficients;
    if (!(acFlux > 0) || k.size() < 3) {
        return 0;
    }
    if (formula.method == PowderMethod::Micrometals) {
        const double hysteresis =
            frequency / (k[0] / std::pow(acFlux, 3) + k[1] / std::pow(acFlux, 2.3) +
                         k[2] / std::pow(acFlux, 1.65));
        const double eddy = k.size() > 3 ? k[3] * acFlux * acFlux * frequency * frequency : 0;
        return hysteresis + eddy;
    }
    return k[0] * std::pow(acFlux, k[1]) * std::pow(frequency, k[2]);
}

std::optional<LossDensity> LossDensityAt(const Material& material, const FluxWaveform& waveform,
                                         double frequency, double temperature,
                                         std::string_view family) {
    if (material.steinmetz.empty()) {
        const LossFormula* formula = FitForFamily(material.lossFormulas, family);
        if (formula == nullptr || formula->method == PowderMethod::FairRite) {
            return std::nullopt;
        }
        return LossDensity{MakerLossDensity(*formula, waveform.swing / 2, frequency),
                           formula->method == PowderMethod::Micrometals ? LossMethod::Micrometals
                                                                        : LossMethod::Magnetics,
                           std::nullopt};
    }
    LossDensity loss;
    loss.outside = OutsideSpan(material, frequency);
    if (const std::optional<Edge> edge = BlendingEdge(material, frequency)) {
        if (!(TemperatureFactor(*edge->below, temperature) > 0 &&
              TemperatureFactor(*edge->above, temperature) > 0)) {
            return std::nullopt;
        }
        loss.temperatureOutside = OutsideTemperatures(material, *edge->below, temperature);
        if (!loss.temperatureOutside) {
            loss.temperatureOutside = OutsideTemperatures(material, *edge->above, temperature);
        }
        const double share = std::log(kBlendRatio * frequency / edge->frequency) /
                             std::log(kBlendRatio * kBlendRatio);
        const double below = SteinmetzLossDensity(*edge->below, waveform, temperature);
        const double above = SteinmetzLossDensity(*edge->above, waveform, temperature);
        // Geometric, as the fits are power laws; a loss of 0 (no swing) has
        // no logarithm.
        loss.density = below > 0 && above > 0
                           ? std::exp((1 - share) * std::log(below) + share * std::log(above))
                           : (1 - share) * below + share * above;
        return loss;
    }
    const SteinmetzRange& range = *SteinmetzRangeFor(material, frequency);
    if (!(TemperatureFactor(range, temperature) > 0)) {
        return std::nullopt;
    }
    loss.density = SteinmetzLossDensity(range, waveform, temperature);
    loss.temperatureOutside = OutsideTemperatures(material, range, temperature);
    return loss;
}

}  // namespace transcalc
