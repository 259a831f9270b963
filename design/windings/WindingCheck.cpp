#include "WindingCheck.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <numbers>

#include "Dowell.h"
#include "Physics.h"

namespace transcalc {
namespace {

using std::numbers::pi;
constexpr int kHarmonics = 100;
// More strands or layers than this cannot be wound: the check is refused
// rather than counting them past what an int holds.
constexpr double kMaxCount = 1e9;

double WireArea(double diameter) {
    return pi * diameter * diameter / 4;
}

// A section before it is wound: its name, role, turns and current over one
// period.
struct Planned {
    std::string name;
    SectionRole role;
    double turns = 0;
    std::vector<CurrentPiece> current;
};

// What the sections of a mode carry over one period.
struct Timing {
    double period = 0;  // s
    double pulse = 0;   // s: the flyback's and the single-ended forward's on-time
};

// The converter's output choke ripples by this share of its current, peak to
// peak, where none is given.
constexpr double kChokeRippleShare = 0.2;

// The sections of a converter: the primary (push-pull: two halves), the
// single-ended's reset winding, then each output (push-pull: two halves
// each). Forward modes: during the pulse each secondary carries its current
// on its choke's ripple, the primary their sum through the turns ratios and
// the magnetising current. Flyback: the energy of each cycle goes to the
// outputs in proportion to their power, each secondary a falling ramp over
// the reset.
std::vector<Planned> ConverterSections(const DesignRun& run, const CheckedDesign& at,
                                       const ConverterPlan& plan, const Timing& t) {
    const double np = at.turns;
    const double off = t.period - t.pulse;
    std::vector<Planned> sections;
    if (at.mode == WorkMode::Flyback) {
        const double peak = run.after.Findings.PeakCurrentA;
        double power = 0;
        for (const ConverterOutputPlan& o : plan.outputs) {
            power += (o.voltage + o.drop) * o.current;
        }
        sections.push_back({"P", SectionRole::Primary, np, {{0, peak, t.pulse}, {0, 0, off}}});
        for (const ConverterOutputPlan& o : plan.outputs) {
            const double share = (o.voltage + o.drop) * o.current / power;
            sections.push_back({o.name,
                                SectionRole::Secondary,
                                o.turns,
                                {{0, 0, t.pulse}, {share * peak * np / o.turns, 0, off}}});
        }
        return sections;
    }
    const double magnetising =
        run.after.Inductance > 0 ? at.voltIn * at.pulse / run.after.Inductance : 0;
    double low = 0;
    double high = 0;
    for (const ConverterOutputPlan& o : plan.outputs) {
        low += o.turns / np * o.current * (1 - kChokeRippleShare / 2);
        high += o.turns / np * o.current * (1 + kChokeRippleShare / 2);
    }
    const auto secondary = [](const ConverterOutputPlan& o) {
        return CurrentPiece{o.current * (1 - kChokeRippleShare / 2),
                            o.current * (1 + kChokeRippleShare / 2), 0};
    };
    if (at.mode == WorkMode::SingleEnded) {
        sections.push_back(
            {"P", SectionRole::Primary, np, {{low, high + magnetising, t.pulse}, {0, 0, off}}});
        sections.push_back({"R", SectionRole::Reset, np, {{0, 0, t.period}}});
        for (const ConverterOutputPlan& o : plan.outputs) {
            CurrentPiece on = secondary(o);
            on.duration = t.pulse;
            sections.push_back({o.name, SectionRole::Secondary, o.turns, {on, {0, 0, off}}});
        }
        return sections;
    }
    // Push-pull: each half drives for the pulse, then rests until its half
    // period ends and the other half drives; the core's flux swings about zero.
    const double rest = t.pulse + 2 * at.idle;  // the other half's pulse and both rests
    const CurrentPiece primary{low - magnetising / 2, high + magnetising / 2, t.pulse};
    sections.push_back({"P1", SectionRole::Primary, np, {primary, {0, 0, rest}}});
    sections.push_back({"P2", SectionRole::Primary, np, {{0, 0, rest}, primary}});
    for (const ConverterOutputPlan& o : plan.outputs) {
        CurrentPiece on = secondary(o);
        on.duration = t.pulse;
        sections.push_back({o.name + "a", SectionRole::Secondary, o.turns, {on, {0, 0, rest}}});
        sections.push_back({o.name + "b", SectionRole::Secondary, o.turns, {{0, 0, rest}, on}});
    }
    return sections;
}

std::vector<Planned> PlanSections(WorkMode mode, const DesignRun& run, const CheckInputs& in,
                                  double load, const Timing& t) {
    const double np = run.after.TurnsPrimary;
    const double ns = run.checked.secondaryTurns;
    const double half = t.period / 2;
    switch (mode) {
        case WorkMode::Choke: {
            const double dc = in.dcCurrent.value_or(0);
            const double ripple = in.ripple.value_or(0);
            return {{"L",
                     SectionRole::Choke,
                     run.after.ChokeTurns,
                     {{dc - ripple / 2, dc + ripple / 2, half},
                      {dc + ripple / 2, dc - ripple / 2, half}}}};
        }
        case WorkMode::Flyback: {
            const double peak = run.after.Findings.PeakCurrentA;
            const double off = t.period - t.pulse;
            return {{"P", SectionRole::Primary, np, {{0, peak, t.pulse}, {0, 0, off}}},
                    {"S", SectionRole::Secondary, ns, {{0, 0, t.pulse}, {peak * np / ns, 0, off}}}};
        }
        case WorkMode::SingleEnded: {
            const double off = t.period - t.pulse;
            const double primary = load * ns / np;
            return {{"P", SectionRole::Primary, np, {{primary, primary, t.pulse}, {0, 0, off}}},
                    {"R", SectionRole::Reset, np, {{0, 0, t.period}}},
                    {"S", SectionRole::Secondary, ns, {{load, load, t.pulse}, {0, 0, off}}}};
        }
        case WorkMode::PushPull: {
            const double primary = load * ns / np;
            return {{"P1", SectionRole::Primary, np, {{primary, primary, half}, {0, 0, half}}},
                    {"P2", SectionRole::Primary, np, {{0, 0, half}, {primary, primary, half}}},
                    {"S1", SectionRole::Secondary, ns, {{load, load, half}, {0, 0, half}}},
                    {"S2", SectionRole::Secondary, ns, {{0, 0, half}, {load, load, half}}}};
        }
    }
    return {};
}

// The wires a section of `required` m² of copper may take at skin depth δ:
// the thinnest wire that carries it alone, or when none does the thickest
// wires side by side; and when that wire is thicker than 2δ, strands of at
// most 2δ of the same copper, which the loss decides between. A choice of
// more wires than can be counted is left out, so the list may be empty.
std::vector<WindingSection> WireChoices(std::span<const RoundWire> wires, double required,
                                        double skinDepth, const WindingSection& s) {
    const auto count = [required](const RoundWire& w) {
        // A relative hair keeps an exact multiple from rounding up to one wire more.
        return std::max(1.0, std::ceil(required / WireArea(w.conductorDiameter) * (1 - 1e-12)));
    };
    std::vector<WindingSection> choices;
    const auto add = [&](const RoundWire& w, double strands) {
        if (!(strands <= kMaxCount)) {
            return;
        }
        WindingSection choice = s;
        choice.conductorDiameter = w.conductorDiameter;
        choice.outerDiameter = w.outerDiameter;
        choice.strands = static_cast<int>(strands);
        choices.push_back(std::move(choice));
    };
    const auto one = std::ranges::find_if(
        wires, [&](const RoundWire& w) { return WireArea(w.conductorDiameter) >= required; });
    const RoundWire& single = one == wires.end() ? wires.back() : *one;
    if (single.conductorDiameter > 2 * skinDepth) {
        const RoundWire* strand = &wires.front();
        for (const RoundWire& w : wires) {
            if (w.conductorDiameter <= 2 * skinDepth) {
                strand = &w;
            }
        }
        // The strands first: a section that fits neither way is shown with them.
        add(*strand, count(*strand));
    }
    add(single, one == wires.end() ? count(single) : 1);
    return choices;
}

// Layers of a section of `places` places wound from build b; none when a
// layer holds no place. filled: the layers it filled, placed or not.
std::optional<int> LayersFrom(const WindingWindow& w, double b, double d, double places,
                              int& filled) {
    filled = 0;
    if (!w.IsHole()) {
        const double perLayer = w.PlacesPerLayer(b, d);
        const double layers = std::ceil(places / perLayer);
        if (!(perLayer >= 1) || !(layers <= kMaxCount)) {
            return std::nullopt;
        }
        filled = static_cast<int>(layers);
        return filled;
    }
    // A ring's layers shrink towards its centre, so the loop ends.
    double left = places;
    while (left > 0) {
        const double perLayer = w.PlacesPerLayer(b + filled * d, d);
        if (!(perLayer >= 1)) {
            return std::nullopt;
        }
        left -= perLayer;
        ++filled;
    }
    return filled;
}

// A section's copper loss at `frequency` with its mean current scaled by
// `mean` and its harmonics by `ripple`; it needs its layers and resistance.
double SectionLoss(const WindingSection& s, double frequency, double resistivity, double mean,
                   double ripple) {
    const double dc = s.current.mean * mean;
    double sum = dc * dc;
    if (frequency > 0) {
        // The skin depth falls as 1/√k over the harmonics, so Δ_k = Δ₁·√k.
        const double first =
            DowellDelta(s.conductorDiameter, *s.pitch, SkinDepth(resistivity, frequency));
        const double layers = *s.layers;
        for (std::size_t i = 0; i < s.current.ripple.size(); ++i) {
            // Harmonics that a waveform's symmetry cancels carry rounding
            // alone: nothing they add reaches a shown digit.
            if (std::abs(s.current.ripple[i]) <= 1e-10 * s.current.rms) {
                continue;
            }
            const double ik = s.current.ripple[i] * ripple;
            const double delta = first * std::sqrt(static_cast<double>(i + 1));
            sum += DowellFactor(delta, layers) * ik * ik;
        }
    }
    return *s.dcResistance * sum;
}

// Winds section s from build `before`: its layers, mean turn length,
// pitch, resistance and loss; false when a layer holds no place. filled:
// the layers it filled, placed or not.
bool WindFrom(const WindingWindow& window, const CoreShape& shape, double before, double frequency,
              double resistivity, WindingSection& s, int& filled) {
    const double places = std::ceil(s.turns * s.strands * (1 - 1e-12));
    const std::optional<int> layers = LayersFrom(window, before, s.outerDiameter, places, filled);
    if (!layers) {
        return false;
    }
    s.layers = layers;
    s.meanTurnLength = shape.TurnLength(before + *layers * s.outerDiameter / 2);
    // A ring's layers shrink inwards: their mean length is that of the middle one.
    const double length =
        window.LayerLength(before + (*layers - 1) * s.outerDiameter / 2, s.outerDiameter);
    s.pitch = LayerPitch(s.outerDiameter, length, places / *layers);
    s.dcResistance =
        resistivity * s.turns * *s.meanTurnLength / (s.strands * WireArea(s.conductorDiameter));
    s.loss = SectionLoss(s, frequency, resistivity, 1, 1);
    s.acFactor.reset();
    if (s.rmsCurrent > 0 && *s.dcResistance > 0) {
        s.acFactor = *s.loss / (*s.dcResistance * s.rmsCurrent * s.rmsCurrent);
    }
    return true;
}

bool Finite(const std::optional<double>& v) {
    return !v || std::isfinite(*v);
}

bool AllFinite(const WindingCheck& c) {
    const bool totals = std::isfinite(c.window) && std::isfinite(c.build) &&
                        std::isfinite(c.fill) && std::isfinite(c.copperFill) &&
                        Finite(c.copperLoss) && Finite(c.totalLoss) && Finite(c.temperatureRise) &&
                        Finite(c.outputPower) && Finite(c.efficiency);
    return totals && std::ranges::all_of(c.sections, [](const WindingSection& s) {
               return std::isfinite(s.turns) && std::isfinite(s.rmsCurrent) &&
                      Finite(s.meanTurnLength) && Finite(s.dcResistance) && Finite(s.acFactor) &&
                      Finite(s.loss);
           });
}

bool UsableRound(const RoundWire& w) {
    return w.grade == 1 && w.conductorDiameter > 0 && w.outerDiameter >= w.conductorDiameter;
}

bool IsGradeOneAscending(std::span<const RoundWire> wires) {
    return std::ranges::all_of(wires, UsableRound) &&
           std::ranges::is_sorted(wires, {}, &RoundWire::conductorDiameter);
}

WindingCheck NotChecked(std::string_view why, double density) {
    WindingCheck c;
    c.nothingToCheck = std::string(why);
    c.currentDensity = density;
    return c;
}

}  // namespace

WindingCheck RunWindingCheck(const DesignRun& run, const DesignCheck& check,
                             const CheckInputs& inputs, std::span<const RoundWire> wires,
                             SpectrumCache* spectra) {
    return RunWindingCheckAt(run, run.checked, check, inputs, wires, spectra);
}

WindingCheck RunWindingCheckAt(const DesignRun& run, const CheckedDesign& d,
                               const DesignCheck& check, const CheckInputs& inputs,
                               std::span<const RoundWire> wires, SpectrumCache* spectra) {
    const double density = inputs.currentDensity * 1e6;  // A/m²
    if (check.nothingToCheck) {
        return NotChecked(*check.nothingToCheck, density);
    }
    ValidateCheckInputs(inputs);
    // A design file may hold a range that an edited VoltIn has left.
    if (!InputWithinRange(run.checked, inputs)) {
        return NotChecked(kCheckOutOfRange, density);
    }
    const ConverterPlan plan = PlanConverter(run.checked, inputs);
    const std::optional<WindingWindow> window = d.shape ? d.shape->Window() : std::nullopt;
    if (!window) {
        return NotChecked(kNoDesignWindow, density);
    }
    const bool choke = d.mode == WorkMode::Choke;
    const bool forward = d.mode == WorkMode::SingleEnded || d.mode == WorkMode::PushPull;
    if ((forward || plan.inUse) && !inputs.loadCurrent) {
        return NotChecked(kNoWindingLoad, density);
    }
    if (choke && inputs.dcCurrent.value_or(0) <= 0 && inputs.ripple.value_or(0) <= 0) {
        return NotChecked(kNoWindingChokeCurrent, density);
    }
    // A search passes the wires as WindingWires leaves them, sparing the copy.
    std::vector<RoundWire> copied;
    std::span<const RoundWire> round = wires;
    if (!IsGradeOneAscending(wires)) {
        copied = WindingWires(wires);
        round = copied;
    }
    if (round.empty()) {
        return NotChecked(kNoWindingWires, density);
    }

    Timing timing{d.period, d.pulse};
    if (choke) {
        // Without a frequency the choke carries direct current alone.
        timing.period = inputs.frequencyKhz ? 1 / (*inputs.frequencyKhz * 1000) : 0;
    }
    const double frequency = timing.period > 0 ? 1 / timing.period : 0;
    const double resistivity = CopperResistivity(inputs.temperature);
    const double skinDepth =
        frequency > 0 ? SkinDepth(resistivity, frequency) : std::numeric_limits<double>::infinity();
    const double load = inputs.loadCurrent.value_or(0);
    const std::vector<Planned> planned = plan.inUse
                                             ? ConverterSections(run, d, plan, timing)
                                             : PlanSections(d.mode, run, inputs, load, timing);

    WindingCheck c;
    c.currentDensity = density;
    c.temperature = inputs.temperature;
    c.window = window->breadth;
    c.onBobbin = d.shape->WindsOnBobbin();
    c.frequency = frequency;
    c.resistivity = resistivity;
    c.currents = choke                         ? CurrentsAtFrequency::RippleScales
                 : d.mode == WorkMode::Flyback ? CurrentsAtFrequency::AmplitudeScales
                                               : CurrentsAtFrequency::Same;
    std::vector<std::vector<WindingSection>> choices;
    for (const Planned& p : planned) {
        WindingSection s;
        s.name = p.name;
        s.role = p.role;
        s.turns = p.turns;
        // Without a period the current is direct: no piece lasts, only the mean.
        const std::vector<CurrentPiece> pieces =
            timing.period > 0
                ? p.current
                : std::vector<CurrentPiece>{{p.current[0].from, p.current[0].from, 1}};
        const int harmonics = timing.period > 0 ? kHarmonics : 0;
        s.current =
            spectra != nullptr ? spectra->Of(pieces, harmonics) : SpectrumOf(pieces, harmonics);
        s.rmsCurrent = s.current.rms;
        std::vector<WindingSection> wires = {s};
        if (s.role != SectionRole::Reset) {
            wires = WireChoices(round, s.rmsCurrent / density, skinDepth, s);
            if (wires.empty()) {
                return NotChecked(kNoWindingStrands, density);
            }
        }
        choices.push_back(std::move(wires));
    }

    // Each section in turn takes the wire of least loss among those that
    // fit from where the sections before it left the build.
    bool placed = true;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        std::vector<WindingSection>& wires = choices[i];
        if (wires.front().role == SectionRole::Reset) {
            const WindingSection& primary = c.sections.front();
            wires.front().conductorDiameter = primary.conductorDiameter;
            wires.front().outerDiameter = primary.outerDiameter;
            wires.front().strands = primary.strands;
        }
        if (!placed) {
            c.sections.push_back(wires.front());
            continue;
        }
        std::optional<std::size_t> best;
        int bestFilled = 0;
        for (std::size_t k = 0; k < wires.size(); ++k) {
            int filled = 0;
            if (WindFrom(*window, *d.shape, c.build, frequency, resistivity, wires[k], filled) &&
                (!best || *wires[k].loss < *wires[*best].loss)) {
                best = k;
                bestFilled = filled;
            } else if (!best && k == 0) {
                bestFilled = filled;
            }
        }
        WindingSection s = wires[best.value_or(0)];
        c.build += bestFilled * s.outerDiameter;
        if (!best) {
            placed = false;
            s.layers.reset();
            s.meanTurnLength.reset();
            s.pitch.reset();
            s.dcResistance.reset();
            s.acFactor.reset();
            s.loss.reset();
        }
        c.sections.push_back(std::move(s));
    }
    c.fill = c.build / c.window;
    for (const WindingSection& s : c.sections) {
        c.copperFill += s.turns * s.strands * WireArea(s.conductorDiameter) / window->area;
    }
    c.fits = placed && c.fill <= 1;

    if (plan.inUse) {
        c.outputPower = plan.outputPower;
    } else if (d.mode == WorkMode::Flyback) {
        // The check's inductance, the gap's fringing included; the list's
        // where the core has no shape to check.
        c.outputPower =
            FlybackDeliveredPower(run.checked, check.inductance.value_or(run.after.Inductance));
    } else if (forward) {
        c.outputPower = run.asRead.VoltOut * load;
    }
    if (placed) {
        c.copperLoss = 0;
        for (const WindingSection& s : c.sections) {
            *c.copperLoss += *s.loss;
        }
        if (check.coreLoss) {
            c.totalLoss = *check.coreLoss + *c.copperLoss;
            c.temperatureRise = SurfaceRise(*c.totalLoss, check.surface);
            if (c.outputPower && *c.outputPower + *c.totalLoss > 0) {
                c.efficiency = *c.outputPower / (*c.outputPower + *c.totalLoss);
            }
        }
    }
    if (!AllFinite(c)) {
        return NotChecked(kCheckOutOfRange, density);
    }
    return c;
}

std::optional<double> CopperLossAt(const WindingCheck& windings, double frequency) {
    if (!windings.copperLoss || !(frequency > 0)) {
        return std::nullopt;
    }
    if (!(windings.frequency > 0)) {
        return windings.copperLoss;  // direct current alone, the same at every frequency
    }
    const double scale = windings.frequency / frequency;
    double mean = 1;
    double ripple = 1;
    switch (windings.currents) {
        case CurrentsAtFrequency::Same:
            break;
        case CurrentsAtFrequency::RippleScales:
            ripple = scale;
            break;
        case CurrentsAtFrequency::AmplitudeScales:
            mean = ripple = scale;
            break;
    }
    double loss = 0;
    for (const WindingSection& s : windings.sections) {
        loss += SectionLoss(s, frequency, windings.resistivity, mean, ripple);
    }
    if (!std::isfinite(loss)) {
        return std::nullopt;
    }
    return loss;
}

std::vector<RoundWire> WindingWires(std::span<const RoundWire> wires) {
    std::vector<RoundWire> round;
    std::ranges::copy_if(wires, std::back_inserter(round), UsableRound);
    std::ranges::sort(round, {}, &RoundWire::conductorDiameter);
    return round;
}

}  // namespace transcalc
