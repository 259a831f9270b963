#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CheckInputs.h"
#include "CheckedDesign.h"
#include "DesignCheck.h"
#include "Material.h"

namespace transcalc {

// The converter around a transformer: up to four outputs, each behind a
// rectifier that drops some voltage, fed from an input that moves between
// V_in,min and V_in,max. The classic list designs one output at VoltIn; the
// converter finds every output's turns so that it is reached at the lowest
// input, and the operating points at both ends of the range, where the
// regulation shortens the pulse as the input rises. With one output, no
// drop and one input voltage it is the classic design itself.

// One output as the converter winds it.
struct ConverterOutputPlan {
    std::string name;    // "S1" … "S4" unless named
    double voltage = 0;  // V
    double current = 0;  // A; output 1's: the load current, 0 without it
    double drop = 0;     // V
    double turns = 0;
    double voltageAtMin = 0;  // V: what the output reaches at V_in,min, the drop taken off
    double voltageAtMax = 0;  // V: likewise at V_in,max, before the regulation
};

struct ConverterPlan {
    // More than the classic: a second output, a drop or an input range.
    bool inUse = false;
    double inputMin = 0;                       // V
    double inputMax = 0;                       // V
    std::vector<ConverterOutputPlan> outputs;  // output 1 first
    // Set where output 1 takes other turns than the list's: the list's count.
    std::optional<double> listTurns;
    double outputPower = 0;    // W: Σ V_k·I_k
    double rectifierLoss = 0;  // W: Σ V_F,k·I_k, not the magnetic's
};

// Whether the design's VoltIn lies within the inputs' range (a range not
// given holds it).
bool InputWithinRange(const CheckedDesign& design, const CheckInputs& inputs);
// Why a VoltIn outside the input range is refused.
Refusal InputOutsideRange();

// The converter of a transformer design; an empty plan for the choke or a
// design with nothing to check. Throws CheckInputError for inputs out of
// bounds or an input range that leaves VoltIn outside.
ConverterPlan PlanConverter(const CheckedDesign& design, const CheckInputs& inputs);

// The design at input voltage `input` (within the plan's range): forward
// modes keep the volt-seconds of V_in,min at the design's pulse, so the pulse
// shortens as the input rises; the flyback keeps the design's energy per
// cycle, so its on-time is shorter and its period with it. At VoltIn with
// V_in,min = VoltIn it is the design itself.
CheckedDesign DesignAtInput(const CheckedDesign& design, const ConverterPlan& plan, double input);

// The highest voltage across the switch at input `input`: twice the input
// for the forward modes (the push-pull's other half, the single-ended's
// reset winding of equal turns), the input and the reflected voltage for
// the flyback.
double SwitchVoltage(const CheckedDesign& design, double input);

// The design check at both ends of the input range, and the worse of them.
struct ConverterDesignCheck {
    DesignCheck atMin;
    DesignCheck atMax;
    // The end of the smaller margin, else of the larger core loss, else V_in,max.
    bool maxIsWorse = true;
    const DesignCheck& Worse() const { return maxIsWorse ? atMax : atMin; }
};

ConverterDesignCheck RunConverterDesignCheck(const CheckedDesign& design, const ConverterPlan& plan,
                                             const Material* material, const CheckInputs& inputs);

}  // namespace transcalc
