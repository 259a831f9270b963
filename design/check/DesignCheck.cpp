#include "DesignCheck.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "MagneticCircuit.h"
#include "Physics.h"
#include "WorkingInductance.h"

namespace transcalc {
namespace {

bool PositiveFinite(double value) {
    return std::isfinite(value) && value > 0;
}

// The flux of the operating point; the waveform only where it has a period
// and a swing.
struct Operating {
    std::optional<double> swing;  // T, peak to peak
    double peak = 0;              // T
    std::optional<FluxWaveform> waveform;
};

// time scale: the factor on every duration (1 at the design's own frequency).
Operating TransformerFlux(const CheckedDesign& d, double timeScale) {
    const double period = d.period * timeScale;
    const double pulse = d.pulse * timeScale;
    const double swing = std::abs(d.voltIn * pulse / (d.turns * d.effectiveArea));
    FluxWaveform w{period, swing, {}};
    double peak = swing;
    switch (d.mode) {
        case WorkMode::PushPull:
            peak = swing / 2;
            w.segments = {{swing, period / 2}, {swing, period / 2}};
            if (d.idle > 0) {
                // A regulated pulse shorter than the half period: the flux rests.
                const double idle = d.idle * timeScale;
                w.segments = {{swing, pulse}, {0, idle}, {swing, pulse}, {0, idle}};
            }
            break;
        case WorkMode::SingleEnded:
            // The reset winding has as many turns as the primary: the reset
            // lasts as long as the pulse.
            w.segments = {{swing, pulse}, {swing, pulse}, {0, period - 2 * pulse}};
            break;
        default:
            w.segments = {{swing, pulse}, {swing, period - pulse}};
            break;
    }
    return {swing, peak, std::move(w)};
}

// The choke's flux from its inductance where it works, B = L·I/(N·A_e):
// for a powder the permeability falls with the current, so the ripple the
// user gives, that of the inductance at 0 A, grows by L(0)/L(I_dc) with the
// same volt-seconds, and the peak takes L at its own current. Without a
// core shape the inductance of `fallbackAl` stands for every current.
Operating ChokeFlux(const CheckedDesign& d, const CheckInputs& in, double frequency,
                    const WorkingInductance& working, double fallbackAl, DesignCheck& c) {
    const double perHenry = 1 / (d.turns * d.effectiveArea);  // T per H·A
    const auto inductance = [&](double current, double acFlux) {
        return working.At(current, acFlux).value_or(fallbackAl * d.turns * d.turns);
    };
    Operating o;
    const double atRest = inductance(0, 0);
    if (in.dcCurrent || in.ripple) {
        const double dc = in.dcCurrent.value_or(0);
        double atDc = inductance(dc, 0);
        double ripple = in.ripple.value_or(0) * atRest / atDc;
        // An iron powder's permeability also follows the AC flux: once more
        // with the swing the first pass found.
        atDc = inductance(dc, std::abs(atDc * ripple * perHenry) / 2);
        ripple = in.ripple.value_or(0) * atRest / atDc;
        const double swing = std::abs(atDc * ripple * perHenry);
        const double peakCurrent = dc + ripple / 2;
        const double atPeak = inductance(peakCurrent, swing / 2);
        o.swing = swing;
        o.peak = std::abs(atPeak * peakCurrent * perHenry);
        c.inductanceDc = atDc;
        c.inductancePeak = atPeak;
        c.permeabilityDc = working.Permeability(dc, swing / 2);
        c.ripple = ripple;
        c.currentPeak = peakCurrent;
    } else {
        const double atMax = inductance(d.chokeMaxCurrent, 0);
        o.peak = std::abs(atMax * d.chokeMaxCurrent * perHenry);
        c.inductancePeak = atMax;
        c.currentPeak = d.chokeMaxCurrent;
    }
    c.rollsOff = working.RollsOff();
    if (frequency > 0 && o.swing) {
        const double period = 1 / frequency;
        o.waveform =
            FluxWaveform{period, *o.swing, {{*o.swing, period / 2}, {*o.swing, period / 2}}};
    }
    return o;
}

// Measured, a ferrite's loss rises with a DC field in it: flagged past
// 20 A/m. The field in the material is B_dc/(μ0·μ_r); across the gap it is
// far higher, and of no concern to the loss.
bool FerriteBiasWarning(const CheckedDesign& d, const Material* material, const CheckInputs& in,
                        const DesignCheck& c) {
    if (material == nullptr || material->composition != "ferrite" || !in.dcCurrent ||
        !c.inductance || !(d.permeability > 0)) {
        return false;
    }
    const double fluxDc = *c.inductance * std::abs(*in.dcCurrent) / (d.turns * d.effectiveArea);
    return fluxDc / (kMu0 * d.permeability) > 20;
}

void AddCoreLoss(const CheckedDesign& d, const Material* material, const Operating& o,
                 std::optional<double> frequency, double temperature, DesignCheck& c) {
    if (material == nullptr) {
        c.noLoss = NoLoss::NoMaterial;
        return;
    }
    const std::string_view family = d.shape ? d.shape->MaterialFamily() : "default";
    if (material->steinmetz.empty() && !FitForFamily(material->lossFormulas, family)) {
        c.noLoss = NoLoss::NoSteinmetz;
        return;
    }
    if (!frequency || !o.waveform) {
        c.noLoss = NoLoss::NoOperatingPoint;
        return;
    }
    const std::optional<LossDensity> loss =
        LossDensityAt(*material, *o.waveform, *frequency, temperature, family);
    if (!loss) {
        c.noLoss = NoLoss::NoFitAtTemperature;
        return;
    }
    c.lossDensity = loss->density;
    c.lossMethod = loss->method;
    c.lossOutside = loss->outside;
    c.lossTemperatureOutside = loss->temperatureOutside;
    c.coreLoss = loss->density * d.effectiveVolume;
}

void AddInductance(const CheckedDesign& d, const WorkingInductance& working, DesignCheck& c) {
    if (d.shape) {
        c.coreKind = d.shape->Kind();
    }
    if (d.gap > 0) {
        c.gap = d.gap;
    }
    if (d.listInductance > 0) {
        c.listInductance = d.listInductance;
    }
    c.inductance = working.At(0);
    if (c.inductance) {
        c.alValue = *c.inductance / (d.turns * d.turns);
    }
}

// The design's own operating frequency, if it has one.
std::optional<double> OperatingFrequency(const CheckedDesign& d, const CheckInputs& in) {
    if (d.mode == WorkMode::Choke) {
        if (in.frequencyKhz) {
            return *in.frequencyKhz * 1000;
        }
        return std::nullopt;
    }
    return d.frequency;
}

bool Finite(const std::optional<double>& value) {
    return !value || std::isfinite(*value);
}

// Whether every number of a check is finite.
bool AllFinite(const DesignCheck& c) {
    const std::optional<double> values[] = {
        c.temperature,
        c.enteredDb,
        c.effectiveArea,
        c.effectiveLength,
        c.effectiveVolume,
        c.listArea,
        c.listLength,
        c.frequency,
        c.gap,
        c.inductance,
        c.alValue,
        c.listInductance,
        c.inductanceDc,
        c.inductancePeak,
        c.permeabilityDc,
        c.ripple,
        c.currentPeak,
        c.fluxSwing,
        c.fluxPeak,
        c.bsat,
        c.margin,
        c.aboveCurie,
        c.lossDensity,
        c.coreLoss,
        c.surface,
        c.temperatureRise,
        c.skinDepth,
        c.wireDiameter,
        c.strands,
    };
    const bool spanFinite =
        !c.lossOutside || (std::isfinite(c.lossOutside->low) && std::isfinite(c.lossOutside->high));
    return spanFinite && std::ranges::all_of(values, Finite);
}

// at: another frequency than the design's own.
DesignCheck Evaluate(const CheckedDesign& d, const Material* material, const CheckInputs& in,
                     std::optional<double> at) {
    DesignCheck c;
    c.nothingToCheck = d.nothingToCheck;
    c.mode = d.mode;
    c.temperature = in.temperature;
    c.enteredDb = d.satInduction;
    if (c.nothingToCheck) {
        return c;
    }
    ValidateCheckInputs(in);
    c.effectiveArea = d.effectiveArea;
    c.effectiveLength = d.effectiveLength;
    c.effectiveVolume = d.effectiveVolume;
    c.listArea = d.coreArea;
    c.listLength = d.pathLength;

    const std::optional<double> own = OperatingFrequency(d, in);
    const std::optional<double> frequency = own && at ? at : own;
    const double timeScale = own && at ? *own / *at : 1;
    const bool choke = d.mode == WorkMode::Choke;
    CheckInputs scaled = in;
    if (choke && in.ripple) {
        scaled.ripple = *in.ripple * timeScale;  // the same volt-seconds at another frequency
    }
    const WorkingInductance working(d, material, in.temperature, frequency.value_or(0));
    AddInductance(d, working, c);
    // Without a permeability the list's own gapped permeability stands in.
    const double fallbackAl = kMu0 * d.permWithGap * d.effectiveArea / d.effectiveLength;
    const Operating o = choke ? ChokeFlux(d, scaled, frequency.value_or(0), working, fallbackAl, c)
                              : TransformerFlux(d, timeScale);
    c.biasWarning = choke && FerriteBiasWarning(d, material, in, c);
    c.frequency = frequency;
    c.fluxSwing = o.swing;
    c.fluxPeak = o.peak;

    if (material != nullptr) {
        c.material = material->name;
        if (AboveCurie(*material, in.temperature)) {
            c.aboveCurie = material->curieTemperature;
        }
        const double bsat = SaturationAt(*material, in.temperature);
        if (bsat > 0) {
            c.bsat = bsat;
            c.margin = 1 - o.peak / bsat;
        }
    }
    AddCoreLoss(d, material, o, frequency, in.temperature, c);

    if (d.surface > 0) {
        c.surface = d.surface;
        if (c.coreLoss) {
            c.temperatureRise = SurfaceRise(*c.coreLoss, c.surface);
        }
    }

    const double resistivity = CopperResistivity(in.temperature);
    if (c.frequency && resistivity > 0) {
        c.skinDepth = SkinDepth(resistivity, *c.frequency);
    }
    if (choke && d.chokeWireDiameter > 0) {
        c.wireDiameter = d.chokeWireDiameter;
        if (c.skinDepth && d.chokeWireDiameter > 2 * *c.skinDepth) {
            const double ratio = d.chokeWireDiameter / (2 * *c.skinDepth);
            c.strands = std::ceil(ratio * ratio);
        }
    }
    if (!AllFinite(c)) {
        DesignCheck refused;
        refused.nothingToCheck = kCheckOutOfRange;
        refused.mode = c.mode;
        refused.temperature = c.temperature;
        return refused;
    }
    return c;
}

}  // namespace

std::optional<double> AlValueAt(const CheckedDesign& design, double relativePermeability) {
    if (!design.shape || !(relativePermeability > 0)) {
        return std::nullopt;
    }
    const std::optional<EffectiveParameters> core = design.shape->Effective();
    const std::optional<GapSite> site = design.shape->Gap();
    if (!core || !site) {
        return std::nullopt;
    }
    return InductanceFactor(*core, *site, std::max(design.gap, 0.0), relativePermeability);
}

std::optional<double> FlybackDeliveredPower(const CheckedDesign& design,
                                            std::optional<double> inductance) {
    if (!(inductance.value_or(0) > 0) || !(design.period > 0)) {
        return std::nullopt;
    }
    const double voltSeconds = design.voltIn * design.pulse;
    return voltSeconds * voltSeconds / (2 * *inductance * design.period);
}

bool CheckRefused(const DesignCheck& check) {
    return check.nothingToCheck == kNoDesignWindow || check.nothingToCheck == kCheckOutOfRange;
}

DesignCheck RunDesignCheck(const CheckedDesign& design, const Material* material,
                           const CheckInputs& inputs) {
    return Evaluate(design, material, inputs, std::nullopt);
}

DesignCheck RunDesignCheckAt(const CheckedDesign& design, const Material* material,
                             const CheckInputs& inputs, double frequency) {
    if (!PositiveFinite(frequency)) {
        return Evaluate(design, material, inputs, std::nullopt);
    }
    return Evaluate(design, material, inputs, frequency);
}

}  // namespace transcalc
