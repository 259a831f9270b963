#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Calculate.h"
#include "CoreLoss.h"
#include "DesignState.h"
#include "EffectiveParameters.h"
#include "Material.h"
#include "Phrases.h"
#include "ResultsList.h"
#include "WorkMode.h"

namespace transcalc {

// The design check: whether the designed core saturates at its working
// temperature, how much power it burns, how hot it gets and the skin depth.
// It reads the design that a whole command left and changes nothing of it.
// Everything is in SI units and plain double arithmetic.

// Why there is nothing to check. A result keeps the Russian text; the lines
// show it in their language (TranslatedText).
inline constexpr std::string_view kNoDesignYet = PhraseText(Phrase::NoDesignYet);
inline constexpr std::string_view kNoDesignError = PhraseText(Phrase::NoDesignError);
inline constexpr std::string_view kNoDesignIncomplete = PhraseText(Phrase::NoDesignIncomplete);
inline constexpr std::string_view kNoDesignMode = PhraseText(Phrase::NoDesignMode);
inline constexpr std::string_view kNoDesignValues = PhraseText(Phrase::NoDesignValues);
inline constexpr std::string_view kNoDesignWindow = PhraseText(Phrase::NoDesignWindow);
// Inputs within their bounds may still drive a number past what a double
// holds (a user material's extreme loss factors): no such number is shown.
inline constexpr std::string_view kCheckOutOfRange = PhraseText(Phrase::CheckOutOfRange);

// What the check takes of one design: the inputs as Calculate read them and
// the turns the results pass chose.
struct CheckedDesign {
    std::optional<std::string> nothingToCheck;  // set: the fields below mean nothing
    WorkMode mode = WorkMode::PushPull;
    double coreArea = 0;           // m², the results list's cross-section
    double pathLength = 0;         // m, the results list's path length
    double effectiveArea = 0;      // m², A_e
    double effectiveLength = 0;    // m, l_e
    double effectiveVolume = 0;    // m³, V_e
    double surface = 0;            // m², outer surface of the core; 0 when unknown
    double turns = 0;              // whole primary turns, or the choke's turns
    double permWithGap = 0;        // effective permeability with the gap
    double voltIn = 0;             // V
    double satInduction = 0;       // T: the entered dB
    double period = 0;             // s: transformer modes; the choke takes its own
    double frequency = 0;          // Hz: as entered, flyback 1/period; the choke: 0
    double pulse = 0;              // s: the part of the period the primary drives the core
    double chokeMaxCurrent = 0;    // A: the current at which the choke reaches dB
    double chokeWireDiameter = 0;  // m: the recommended wire of the choke
};

// The design a run left: its error box text, the list colour after it, the
// state as Calculate read it and after the results pass, and the core
// pictures it ran with; letters: those of the catalogue core while the design
// still holds it.
CheckedDesign CheckedDesignOf(const std::optional<std::string>& error, ListColour colour,
                              const DesignState& asRead, const DesignState& after,
                              const CorePictures& cores,
                              const std::optional<CoreLetters>& letters = std::nullopt);

// The core of a checked design: its effective parameters (the catalogue
// core's letters when given, of the same kind) and its outer surface. A core
// that leaves no window for a winding (the classic list designs it all the
// same, with negative inductances) has nothing to check.
void SetCheckedCore(CheckedDesign& design, const CoreDimensions& core,
                    const std::optional<CoreLetters>& letters);

// What the user adds for the check. The choke's values are optional; the
// transformer modes ignore them.
struct CheckInputs {
    double temperature = 100;            // °C, of the core
    std::optional<double> dcCurrent;     // A
    std::optional<double> ripple;        // A, peak to peak
    std::optional<double> frequencyKhz;  // kHz, switching frequency
    // For the windings:
    std::optional<double> loadCurrent;  // A, the forward modes' output current
    double currentDensity = 4;          // A/mm²

    bool operator==(const CheckInputs& other) const = default;
};

// Check inputs that cannot be used; what() says which and why.
class CheckInputError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// The physical bounds of the check's inputs, the same wherever they are
// given: the window, the command line and design files.
inline constexpr double kAbsoluteZeroC = -273.15;  // °C, excluded
inline constexpr double kMaxTemperatureC = 500;    // °C
inline constexpr double kMaxCurrentA = 1e5;        // A, the DC current and the ripple
inline constexpr double kMaxFrequencyKhz = 1e4;    // kHz
inline constexpr double kMaxCurrentDensity = 100;  // A/mm²

enum class CheckInput { Temperature, DcCurrent, Ripple, FrequencyKhz, LoadCurrent, CurrentDensity };

// Why a value of one input lies outside its bounds, naming the input and
// its bounds; none when within them.
std::optional<std::string> CheckInputOutOfBounds(CheckInput input, double value);

// Throws CheckInputError for an input outside its bounds or a ripple
// without a frequency.
void ValidateCheckInputs(const CheckInputs& inputs);

// Why the core loss is not shown.
enum class NoLoss {
    None,                // the loss is shown
    NoMaterial,          // no material chosen
    NoSteinmetz,         // the material has no loss fit
    NoOperatingPoint,    // choke without current or frequency
    NoFitAtTemperature,  // the loss fit's temperature factor is not positive there
};

// The numbers of the check; an empty optional does not apply.
struct DesignCheck {
    std::optional<std::string> nothingToCheck;  // set: every number below is empty
    WorkMode mode = WorkMode::PushPull;
    double temperature = 100;               // °C, as given
    double enteredDb = 0;                   // T
    std::optional<std::string> material;    // its name; none without a material
    std::optional<double> effectiveArea;    // m², A_e
    std::optional<double> effectiveLength;  // m, l_e
    std::optional<double> effectiveVolume;  // m³, V_e
    std::optional<double> listArea;         // m², the results list's cross-section
    std::optional<double> listLength;       // m, the results list's path length
    std::optional<double> frequency;        // Hz
    std::optional<double> fluxSwing;        // T, peak to peak
    std::optional<double> fluxPeak;         // T
    std::optional<double> bsat;             // T at the temperature
    std::optional<double> margin;           // 1 − B_pk/B_sat
    NoLoss noLoss = NoLoss::None;
    std::optional<double> lossDensity;  // W/m³, temperature factor included
    std::optional<double> coreLoss;     // W
    // With a loss: set when the frequency lies outside the material's data,
    // the covered span nearest to it.
    std::optional<FrequencySpan> lossOutside;
    std::optional<double> surface;          // m²
    std::optional<double> temperatureRise;  // K
    std::optional<double> skinDepth;        // m
    std::optional<double> wireDiameter;     // m, choke
    std::optional<double> strands;          // choke wire thicker than 2δ
};

// Whether the check refuses the design outright, rather than having nothing
// to check yet: its text then stands in place of every result. A check whose
// numbers would not all be finite is refused with kCheckOutOfRange.
bool CheckRefused(const DesignCheck& check);

// The check at the design's own operating point.
DesignCheck RunDesignCheck(const CheckedDesign& design, const Material* material,
                           const CheckInputs& inputs);

// The check at another frequency with the same turns and voltages: the
// pulse, the pause and the flux swing (the choke's ripple) scale as 1/f.
// Without an operating frequency there is nothing to scale and the result
// is that of RunDesignCheck.
DesignCheck RunDesignCheckAt(const CheckedDesign& design, const Material* material,
                             const CheckInputs& inputs, double frequency);

}  // namespace transcalc
