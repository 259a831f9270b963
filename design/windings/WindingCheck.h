#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Converter.h"
#include "DesignCheck.h"
#include "DesignModel.h"
#include "DesignRun.h"
#include "Dowell.h"

namespace transcalc {

// The winding check: which wire each section of the winding takes at the
// current density, whether its layers fit the core's window, what the copper
// burns with the skin and proximity effects of the switching frequency, and
// how hot core and copper get together. Each section is taken as if its
// field rose from zero at its inner side, so the copper loss is an estimate;
// the fit ignores the bobbin and the insulation.

// Why the windings are not checked.
inline constexpr std::string_view kNoWindingLoad = PhraseText(Phrase::NoWindingLoad);
inline constexpr std::string_view kNoWindingChokeCurrent =
    PhraseText(Phrase::NoWindingChokeCurrent);
inline constexpr std::string_view kNoWindingWires = PhraseText(Phrase::NoWindingWires);
// More wires side by side than can be wound (over 10⁹), however they are
// chosen: a current density far too low for the current.
inline constexpr std::string_view kNoWindingStrands = PhraseText(Phrase::NoWindingStrands);

// A round copper wire as the catalogue lists it; the check takes grade 1.
struct RoundWire {
    std::string name;
    int grade = 0;
    double conductorDiameter = 0;  // m
    double outerDiameter = 0;      // m
};

// What a section of the winding does in its mode.
enum class SectionRole {
    Choke,      // the choke's one winding
    Primary,    // a transformer's primary, or one half of a push-pull's
    Reset,      // the single-ended forward's reset winding, wound like the primary
    Secondary,  // a transformer's secondary, or one half of a push-pull's
};

// One section of the winding, wound from the core outwards. The numbers
// after the wire are empty from the first section that does not fit on.
struct WindingSection {
    std::string name;  // "L", "P", "R", "S", "P1", "P2", "S1", "S2"
    SectionRole role = SectionRole::Choke;
    double turns = 0;
    double rmsCurrent = 0;                 // A
    double conductorDiameter = 0;          // m
    double outerDiameter = 0;              // m
    int strands = 1;                       // wires side by side
    std::optional<int> layers;             // each a new layer of d_o
    std::optional<double> meanTurnLength;  // m
    std::optional<double> pitch;           // m: between neighbouring places in a layer
    std::optional<double> dcResistance;    // Ω at the core temperature
    std::optional<double> acFactor;        // P_cu/(R_dc·I_rms²); none without current
    std::optional<double> loss;            // W
    CurrentSpectrum current;               // its mean and harmonics over one period
};

// How the sections' currents follow the switching frequency when the turns
// and voltages stay, as the core's curve takes them: the pulse and the pause
// last as 1/f.
enum class CurrentsAtFrequency {
    Same,            // the forward modes: the load current sets them
    RippleScales,    // the choke: its ripple falls as 1/f about the same DC
    AmplitudeScales  // the flyback: its peak current falls as 1/f
};

struct WindingCheck {
    std::optional<std::string> nothingToCheck;  // set: every number below is empty
    double currentDensity = 0;                  // A/m²
    double temperature = 0;                     // °C: the core's, which the copper takes
    std::vector<WindingSection> sections;
    double window = 0;                      // m: the window's width, a ring's hole radius
    bool onBobbin = false;                  // the window is that of the bobbin that fits the core
    double build = 0;                       // m: the layers that were filled
    double fill = 0;                        // build/window
    double copperFill = 0;                  // the copper's Σ N·A_cu over the window's area
    bool fits = false;                      // every section placed and fill at most 1
    std::optional<double> copperLoss;       // W
    std::optional<double> totalLoss;        // W: core and copper, with a core loss
    std::optional<double> temperatureRise;  // K: of the whole part
    std::optional<double> outputPower;      // W: none for the choke
    std::optional<double> efficiency;       // 1
    // What the copper at another frequency takes:
    double frequency = 0;    // Hz, the design's own; 0: direct current alone
    double resistivity = 0;  // Ω·m, of the copper at the core temperature
    CurrentsAtFrequency currents = CurrentsAtFrequency::Same;
};

// The windings of a run of `design` whose core `check` (RunDesignCheck of
// run.checked with `inputs`) has checked, from the given wires, at the
// inputs' load current and current density.
// A search that winds many designs passes its own `spectra` and the wires
// as WindingWires leaves them, so that neither is redone each time.
WindingCheck RunWindingCheck(const DesignRun& run, const DesignCheck& check,
                             const CheckInputs& inputs, std::span<const RoundWire> wires,
                             SpectrumCache* spectra = nullptr);

// The same for the design at another operating point `at` (DesignAtInput of
// run.checked): with the converter in use, a section per output.
WindingCheck RunWindingCheckAt(const DesignRun& run, const CheckedDesign& at,
                               const DesignCheck& check, const CheckInputs& inputs,
                               std::span<const RoundWire> wires, SpectrumCache* spectra = nullptr);

// The wires the windings take: grade 1, whole, by ascending conductor
// diameter.
std::vector<RoundWire> WindingWires(std::span<const RoundWire> wires);

// The copper loss of the checked windings at another frequency: the same
// wires, strands and layers, so the same DC resistances, with Dowell's
// factors and the currents at that frequency. None where the windings have
// no copper loss, or for a frequency that is not positive.
std::optional<double> CopperLossAt(const WindingCheck& windings, double frequency);

}  // namespace transcalc
