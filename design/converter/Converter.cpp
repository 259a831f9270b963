#include "Converter.h"

#include <algorithm>
#include <cmath>

namespace transcalc {
namespace {

// The single-ended forward drives its secondary for 0.45 of the period; its
// output choke passes the average.
constexpr double kSingleEndedPulseShare = 0.45;

bool Transformer(const CheckedDesign& d) {
    return !d.nothingToCheck && d.mode != WorkMode::Choke;
}

// What one volt of output takes in turns: forward modes from the volts per
// turn at V_in,min (the single-ended's averaged over the period), the
// flyback from its reflected voltage.
double TurnsPerVolt(const CheckedDesign& d, double inputMin) {
    switch (d.mode) {
        case WorkMode::Flyback:
            return d.turns / d.reflectedVoltage;
        case WorkMode::SingleEnded:
            return d.turns / (kSingleEndedPulseShare * inputMin);
        default:
            return d.turns / inputMin;
    }
}

// An output's voltage with `turns` at input `input`, its drop taken off.
double OutputVoltage(const CheckedDesign& d, double turns, double drop, double input) {
    return turns / TurnsPerVolt(d, input) - drop;
}

// The fewest whole turns that reach voltage + drop at V_in,min; a relative
// hair keeps an exact count from rounding up to one more.
double TurnsFor(const CheckedDesign& d, double voltage, double drop, double inputMin) {
    return std::max(1.0, std::ceil((voltage + drop) * TurnsPerVolt(d, inputMin) * (1 - 1e-12)));
}

}  // namespace

bool InputWithinRange(const CheckedDesign& d, const CheckInputs& in) {
    // NaN lies in no range.
    return !(in.inputMin && !(*in.inputMin <= d.voltIn)) &&
           !(in.inputMax && !(d.voltIn <= *in.inputMax));
}

Refusal InputOutsideRange() {
    return {"входное напряжение должно лежать в пределах входного",
            "the input voltage must lie within the input range"};
}

ConverterPlan PlanConverter(const CheckedDesign& d, const CheckInputs& in) {
    ConverterPlan plan;
    if (!Transformer(d)) {
        return plan;
    }
    ValidateCheckInputs(in);
    plan.inputMin = in.inputMin.value_or(d.voltIn);
    plan.inputMax = in.inputMax.value_or(d.voltIn);
    if (!InputWithinRange(d, in)) {
        throw CheckInputError(InputOutsideRange());
    }
    plan.inUse = !in.outputs.empty() || in.drop != 0 || plan.inputMin != d.voltIn ||
                 plan.inputMax != d.voltIn;
    if (d.mode == WorkMode::Flyback && !(d.reflectedVoltage > 0)) {
        plan.inUse = false;
    }

    ConverterOutputPlan first{"S1", d.voltOut, in.loadCurrent.value_or(0), in.drop,
                              d.secondaryTurns};
    // The classic's turns stay the list's while they reach the output.
    if (in.drop != 0 || plan.inputMin < d.voltIn) {
        const double needed = TurnsFor(d, d.voltOut, in.drop, plan.inputMin);
        if (needed > d.secondaryTurns) {
            plan.listTurns = d.secondaryTurns;
            first.turns = needed;
        }
    }
    plan.outputs.push_back(first);
    for (std::size_t k = 0; k < in.outputs.size(); ++k) {
        const ConverterOutput& o = in.outputs[k];
        plan.outputs.push_back({o.name.empty() ? "S" + std::to_string(k + 2) : o.name, o.voltage,
                                o.current, o.drop, TurnsFor(d, o.voltage, o.drop, plan.inputMin)});
    }
    for (ConverterOutputPlan& o : plan.outputs) {
        o.voltageAtMin = OutputVoltage(d, o.turns, o.drop, plan.inputMin);
        o.voltageAtMax = OutputVoltage(d, o.turns, o.drop, plan.inputMax);
        plan.outputPower += o.voltage * o.current;
        plan.rectifierLoss += o.drop * o.current;
    }
    return plan;
}

CheckedDesign DesignAtInput(const CheckedDesign& design, const ConverterPlan& plan, double input) {
    CheckedDesign d = design;
    if (!plan.inUse || !Transformer(design) || (input == design.voltIn && plan.inputMin == input)) {
        return d;
    }
    d.voltIn = input;
    if (d.mode == WorkMode::Flyback) {
        // The same peak current, so the same energy and reset time: the
        // on-time follows the input, the period with it.
        if (input != design.voltIn) {
            d.pulse = design.pulse * design.voltIn / input;
            d.period = d.pulse + (design.period - design.pulse);
            d.frequency = 1 / d.period;
        }
        return d;
    }
    if (input != plan.inputMin) {
        d.pulse = design.pulse * plan.inputMin / input;
        if (d.mode == WorkMode::PushPull) {
            d.idle = design.pulse - d.pulse;
        }
    }
    return d;
}

double SwitchVoltage(const CheckedDesign& design, double input) {
    return design.mode == WorkMode::Flyback ? input + design.reflectedVoltage : 2 * input;
}

ConverterDesignCheck RunConverterDesignCheck(const CheckedDesign& design, const ConverterPlan& plan,
                                             const Material* material, const CheckInputs& inputs) {
    ConverterDesignCheck c;
    c.atMin = RunDesignCheck(DesignAtInput(design, plan, plan.inputMin), material, inputs);
    c.atMax = plan.inUse
                  ? RunDesignCheck(DesignAtInput(design, plan, plan.inputMax), material, inputs)
                  : c.atMin;
    const DesignCheck& low = c.atMin;
    const DesignCheck& high = c.atMax;
    if (low.margin && high.margin && *low.margin != *high.margin) {
        c.maxIsWorse = *high.margin < *low.margin;
    } else if (low.coreLoss && high.coreLoss) {
        c.maxIsWorse = *high.coreLoss >= *low.coreLoss;
    }
    return c;
}

}  // namespace transcalc
