#include "DesignCheck.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace transcalc {
namespace {

using std::numbers::pi;
constexpr double kMu0 = 4e-7 * pi;  // H/m

bool PositiveFinite(double value) {
    return std::isfinite(value) && value > 0;
}

// The outer surface in cm² from the dimensions in cm; 0 without a core.
double SurfaceCm2(const CorePictures& cores, const DesignState& s) {
    if (cores.shapedE || cores.shapedU) {
        // The pair as a box of height 2·H1, width H2 and depth L2.
        const double height = 2 * s.DimH1;
        return 2 * (height * s.DimH2 + height * s.DimL2 + s.DimH2 * s.DimL2);
    }
    if (cores.ring) {
        return 2 * (pi / 4) * (s.RingD1 * s.RingD1 - s.RingD2 * s.RingD2) +
               pi * (s.RingD1 + s.RingD2) * s.DimHL1;
    }
    return 0;
}

// Period and pulse of a transformer mode as its design found them.
void ReadTiming(const DesignFindings& found, CheckedDesign& design) {
    design.period = found.PeriodUs * 1e-6;
    design.pulse = found.PulseUs * 1e-6;
}

bool Usable(const CheckedDesign& d) {
    const bool common =
        PositiveFinite(d.coreArea) && PositiveFinite(d.pathLength) && PositiveFinite(d.turns);
    if (d.mode == WorkMode::Choke) {
        return common && PositiveFinite(d.permWithGap);
    }
    return common && PositiveFinite(d.period) && PositiveFinite(d.pulse);
}

// One straight piece of the flux waveform.
struct Segment {
    double swing;     // T
    double duration;  // s
};

struct Waveform {
    std::optional<double> period;  // s
    std::optional<double> swing;   // T, peak to peak
    double peak = 0;               // T
    std::vector<Segment> segments;
};

// time scale: the factor on every duration (1 at the design's own frequency).
Waveform TransformerWaveform(const CheckedDesign& d, double timeScale) {
    Waveform w;
    const double period = d.period * timeScale;
    const double pulse = d.pulse * timeScale;
    const double swing = std::abs(d.voltIn * pulse / (d.turns * d.coreArea));
    w.period = period;
    w.swing = swing;
    switch (d.mode) {
        case WorkMode::PushPull:
            w.peak = swing / 2;
            w.segments = {{swing, period / 2}, {swing, period / 2}};
            break;
        case WorkMode::SingleEnded:
            // The reset winding has as many turns as the primary: the reset
            // lasts as long as the pulse.
            w.peak = swing;
            w.segments = {{swing, pulse}, {swing, pulse}, {0, period - 2 * pulse}};
            break;
        default:
            w.peak = swing;
            w.segments = {{swing, pulse}, {swing, period - pulse}};
            break;
    }
    return w;
}

Waveform ChokeWaveform(const CheckedDesign& d, const CheckInputs& in, double frequency) {
    Waveform w;
    const double perAmpere = kMu0 * d.permWithGap * d.turns / d.pathLength;  // T/A
    if (in.dcCurrent || in.ripple) {
        const double ripple = in.ripple.value_or(0);
        w.swing = std::abs(perAmpere * ripple);
        w.peak = std::abs(perAmpere * (in.dcCurrent.value_or(0) + ripple / 2));
    } else {
        w.peak = std::abs(perAmpere * d.chokeMaxCurrent);
    }
    if (frequency > 0) {
        w.period = 1 / frequency;
        if (w.swing) {
            w.segments = {{*w.swing, *w.period / 2}, {*w.swing, *w.period / 2}};
        }
    }
    return w;
}

// Improved generalised Steinmetz law over a piecewise-linear waveform, W/m³.
double SteinmetzLoss(const SteinmetzRange& r, const Waveform& w) {
    const double ki = r.k / (std::pow(2 * pi, r.alpha - 1) * CosinePowerIntegral(r.alpha) *
                             std::pow(2, r.beta - r.alpha));
    double energy = 0;  // J/m³ over one period
    for (const Segment& s : w.segments) {
        if (s.duration > 0 && s.swing != 0) {
            energy += ki * std::pow(std::abs(s.swing / s.duration), r.alpha) *
                      std::pow(*w.swing, r.beta - r.alpha) * s.duration;
        }
    }
    return energy / *w.period;
}

void AddCoreLoss(const CheckedDesign& d, const Material* material, const Waveform& w,
                 double temperature, DesignCheck& c) {
    if (material == nullptr) {
        c.noLoss = NoLoss::NoMaterial;
        return;
    }
    if (material->steinmetz.empty()) {
        c.noLoss = NoLoss::NoSteinmetz;
        return;
    }
    if (!w.period || !w.swing) {
        c.noLoss = NoLoss::NoOperatingPoint;
        return;
    }
    const SteinmetzRange& range = *SteinmetzRangeFor(*material, 1 / *w.period);
    double density = SteinmetzLoss(range, w);
    if (range.hasTemperatureFactor) {
        density *= range.ct0 - range.ct1 * temperature + range.ct2 * temperature * temperature;
    }
    c.lossDensity = density;
    c.coreLoss = density * d.coreArea * d.pathLength;
}

DesignCheck Evaluate(const CheckedDesign& d, const Material* material, const CheckInputs& in,
                     double timeScale) {
    DesignCheck c;
    c.nothingToCheck = d.nothingToCheck;
    c.mode = d.mode;
    c.temperature = in.temperature;
    c.enteredDb = d.satInduction;
    if (c.nothingToCheck) {
        return c;
    }
    ValidateCheckInputs(in);

    const bool choke = d.mode == WorkMode::Choke;
    const double chokeFrequency = in.frequencyKhz.value_or(0) * 1000 / timeScale;
    CheckInputs scaled = in;
    if (choke && in.ripple) {
        scaled.ripple = *in.ripple * timeScale;  // the same volt-seconds at another frequency
    }
    const Waveform w =
        choke ? ChokeWaveform(d, scaled, chokeFrequency) : TransformerWaveform(d, timeScale);
    if (w.period) {
        c.frequency = 1 / *w.period;
    }
    c.fluxSwing = w.swing;
    c.fluxPeak = w.peak;

    if (material != nullptr) {
        c.material = material->name;
        const double bsat = SaturationAt(*material, in.temperature);
        if (bsat > 0) {
            c.bsat = bsat;
            c.margin = 1 - w.peak / bsat;
        }
    }
    AddCoreLoss(d, material, w, in.temperature, c);

    if (d.surface > 0) {
        c.surface = d.surface;
        if (c.coreLoss && *c.coreLoss >= 0) {
            // The ferrite makers' rule: mW over cm² to the power 0.833 gives kelvin.
            c.temperatureRise = std::pow(*c.coreLoss * 1000 / (d.surface * 1e4), 0.833);
        }
    }

    const double resistivity = 1.724e-8 * (1 + 0.00393 * (in.temperature - 20));  // copper, Ω·m
    if (c.frequency && resistivity > 0) {
        c.skinDepth = std::sqrt(resistivity / (pi * *c.frequency * kMu0));
    }
    if (choke && d.chokeWireDiameter > 0) {
        c.wireDiameter = d.chokeWireDiameter;
        if (c.skinDepth && d.chokeWireDiameter > 2 * *c.skinDepth) {
            const double ratio = d.chokeWireDiameter / (2 * *c.skinDepth);
            c.strands = std::ceil(ratio * ratio);
        }
    }
    return c;
}

// The design's own operating frequency, if it has one.
std::optional<double> OperatingFrequency(const CheckedDesign& d, const CheckInputs& in) {
    if (d.mode == WorkMode::Choke) {
        if (in.frequencyKhz) {
            return *in.frequencyKhz * 1000;
        }
        return std::nullopt;
    }
    return 1 / d.period;
}

}  // namespace

CheckedDesign CheckedDesignOf(const std::optional<std::string>& error, ListColour colour,
                              const DesignState& in, const DesignState& after,
                              const CorePictures& cores) {
    CheckedDesign d;
    if (error) {
        d.nothingToCheck = kNoDesignError;
        return d;
    }
    if (colour == ListColour::Red) {
        d.nothingToCheck = kNoDesignIncomplete;
        return d;
    }
    if (colour != ListColour::Desktop) {
        d.nothingToCheck = kNoDesignYet;
        return d;
    }
    const std::optional<WorkMode> mode = ModeOfText(in.Mode);
    if (!mode) {
        d.nothingToCheck = kNoDesignMode;
        return d;
    }
    if (!LeavesWindow(cores, in)) {
        d.nothingToCheck = kNoWindow;
        return d;
    }
    d.mode = *mode;
    d.coreArea = in.CoreArea * 1e-4;
    d.pathLength = in.PathLength * 1e-2;
    d.surface = SurfaceCm2(cores, in) * 1e-4;
    d.voltIn = in.VoltIn;
    d.satInduction = in.SatInduction;
    d.permWithGap = after.PermWithGap;
    if (d.mode == WorkMode::Choke) {
        d.turns = after.ChokeTurns;
        d.chokeMaxCurrent = after.Findings.ChokeMaxCurrent;
        d.chokeWireDiameter = after.Findings.ChokeWireMm / 1000;
    } else {
        d.turns = after.TurnsPrimary;
        ReadTiming(after.Findings, d);
    }
    if (!Usable(d)) {
        d.nothingToCheck = kNoDesignValues;
    }
    return d;
}

bool LeavesWindow(const CorePictures& cores, const DesignState& s) {
    // The geometry that Calculate read: a shaped core wins over a ring.
    if (cores.shapedE) {
        return s.DimHL1 < s.DimH2 / 2 && s.DimHL1 < 2 * s.DimH1;
    }
    if (cores.shapedU) {
        return 2 * s.DimHL1 < s.DimH2 && s.DimHL1 < s.DimH1;
    }
    if (cores.ring) {
        return s.RingD2 < s.RingD1;
    }
    return true;
}

void ValidateCheckInputs(const CheckInputs& in) {
    if (!std::isfinite(in.temperature) || in.temperature <= -273.15) {
        throw CheckInputError("the temperature must be a number above -273.15 °C");
    }
    if (in.dcCurrent && !(std::isfinite(*in.dcCurrent) && *in.dcCurrent >= 0)) {
        throw CheckInputError("the DC current must be a number of at least 0 A");
    }
    if (in.ripple && !(std::isfinite(*in.ripple) && *in.ripple >= 0)) {
        throw CheckInputError("the ripple must be a number of at least 0 A");
    }
    if (in.frequencyKhz && !PositiveFinite(*in.frequencyKhz)) {
        throw CheckInputError("the switching frequency must be a number above 0 kHz");
    }
    if (in.ripple && !in.frequencyKhz) {
        throw CheckInputError("the ripple needs the switching frequency");
    }
}

bool CheckRefused(const DesignCheck& check) {
    return check.nothingToCheck == kNoWindow;
}

DesignCheck RunDesignCheck(const CheckedDesign& design, const Material* material,
                           const CheckInputs& inputs) {
    return Evaluate(design, material, inputs, 1);
}

DesignCheck RunDesignCheckAt(const CheckedDesign& design, const Material* material,
                             const CheckInputs& inputs, double frequency) {
    if (design.nothingToCheck || !PositiveFinite(frequency)) {
        return Evaluate(design, material, inputs, 1);
    }
    const std::optional<double> own = OperatingFrequency(design, inputs);
    return Evaluate(design, material, inputs, own ? *own / frequency : 1);
}

double CosinePowerIntegral(double alpha) {
    // 4·∫₀^{π/2} cos^α θ dθ = 2·√π·Γ((α+1)/2) / Γ(α/2 + 1); through log-gamma so
    // that large exponents do not overflow.
    return 2 * std::sqrt(pi) * std::exp(std::lgamma((alpha + 1) / 2) - std::lgamma(alpha / 2 + 1));
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

}  // namespace transcalc
