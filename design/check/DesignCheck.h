#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "CheckInputs.h"
#include "CheckedDesign.h"
#include "CoreLoss.h"
#include "Material.h"
#include "Phrases.h"
#include "WorkMode.h"

namespace transcalc {

// The design check: whether the designed core saturates at its working
// temperature, how much power it burns, how hot it gets and the skin depth.
// It reads the design that a whole command left and changes nothing of it.
// Everything is in SI units and plain double arithmetic.

// Inputs within their bounds may still drive a number past what a double
// holds (a user material's extreme loss factors): no such number is shown.
inline constexpr std::string_view kCheckOutOfRange = PhraseText(Phrase::CheckOutOfRange);

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
    std::optional<CoreKind> coreKind;       // where the gap lies
    std::optional<double> gap;              // m, the total air gap; none without one
    std::optional<double> inductance;       // H, the primary's or the choke's, with fringing
    std::optional<double> alValue;          // H per turn², A_L
    std::optional<double> listInductance;   // H, the results list's
    // A choke where it works; its DC current's values with a current or a
    // ripple given, else its peak at the list's maximum current:
    std::optional<double> inductanceDc;    // H, at I_dc
    std::optional<double> inductancePeak;  // H, at I_pk
    std::optional<double> permeabilityDc;  // relative, at I_dc
    std::optional<double> ripple;          // A, peak to peak with L(I_dc)
    std::optional<double> currentPeak;     // A, I_pk
    bool rollsOff = false;                 // its material's permeability falls with the current
    std::optional<double> frequency;       // Hz
    std::optional<double> fluxSwing;       // T, peak to peak
    std::optional<double> fluxPeak;        // T
    std::optional<double> aboveCurie;      // °C, the material's Curie point when reached
    std::optional<double> bsat;            // T at the temperature; none above the Curie point
    std::optional<double> margin;          // 1 − B_pk/B_sat
    NoLoss noLoss = NoLoss::None;
    std::optional<double> lossDensity;  // W/m³, temperature factor included
    std::optional<double> coreLoss;     // W
    // With a loss: set when the frequency lies outside the material's data,
    // the covered span nearest to it.
    std::optional<FrequencySpan> lossOutside;
    // With a loss: set when its temperature factor is taken outside the
    // temperatures of the material's data, their span.
    std::optional<TemperatureSpan> lossTemperatureOutside;
    LossMethod lossMethod = LossMethod::Steinmetz;  // which law gave the loss
    // A ferrite choke whose DC field in the material passes 20 A/m: its
    // measured loss runs above the estimate.
    bool biasWarning = false;
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

// A_L of the design's core and gap at a relative permeability of its
// material; none without a core or a permeability.
std::optional<double> AlValueAt(const CheckedDesign& design, double relativePermeability);

// What a flyback delivers to its load with an inductance L (H), the check's
// with the gap's fringing: the pulse's volt-seconds drive the primary to
// V·t/L, storing L·I²/2 once a period. None without a positive inductance
// or period.
std::optional<double> FlybackDeliveredPower(const CheckedDesign& design,
                                            std::optional<double> inductance);

// The check at another frequency with the same turns and voltages: the
// pulse, the pause and the flux swing (the choke's ripple) scale as 1/f.
// Without an operating frequency there is nothing to scale and the result
// is that of RunDesignCheck.
DesignCheck RunDesignCheckAt(const CheckedDesign& design, const Material* material,
                             const CheckInputs& inputs, double frequency);

}  // namespace transcalc
