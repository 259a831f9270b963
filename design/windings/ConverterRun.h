#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Converter.h"
#include "DesignRun.h"
#include "Language.h"
#include "NumberText.h"
#include "WindingCheck.h"

namespace transcalc {

// The converter checked at both ends of its input range: the core and the
// windings at V_in,min (the longest pulse, the largest currents) and at
// V_in,max (the shortest pulse, the steepest flux, the highest switch
// voltage), each judged by the worse end.
struct ConverterRun {
    ConverterPlan plan;
    ConverterDesignCheck check;
    WindingCheck windingsAtMin;
    WindingCheck windingsAtMax;
    // The end that does not fit, else of the lower efficiency, else of the
    // larger loss; V_in,min where they are alike.
    bool windingsMaxIsWorse = false;
    double switchVoltageMin = 0;  // V
    double switchVoltageMax = 0;  // V

    const WindingCheck& WorseWindings() const {
        return windingsMaxIsWorse ? windingsAtMax : windingsAtMin;
    }
};

// Whether the second of two windings of one converter is the worse: one
// that does not fit, else the lower efficiency, else the larger loss.
bool SecondWindingsWorse(const WindingCheck& first, const WindingCheck& second);

// An output's RMS current at V_in,min, where the currents are largest (a
// push-pull's: that of one half); none where its winding was not checked.
std::optional<double> OutputRmsCurrent(const ConverterRun& converter,
                                       const ConverterOutputPlan& output);

// Throws CheckInputError as PlanConverter does.
ConverterRun RunConverter(const DesignRun& run, const Material* material, const CheckInputs& inputs,
                          std::span<const RoundWire> wires);

// The converter as the user reads it: each output's turns and voltages at
// both ends, where output 1 leaves the list's turns, the output power and
// the rectifiers' loss, then the figures of the check and the windings that
// differ between the ends, side by side. None while the converter is not in
// use or there is nothing to check.
std::vector<std::string> ConverterTextLines(const ConverterRun& converter,
                                            DecimalSeparator separator,
                                            Language language = Language::Russian);

}  // namespace transcalc
