#include "CheckedDesign.h"

#include <cmath>

namespace transcalc {
namespace {

bool PositiveFinite(double value) {
    return std::isfinite(value) && value > 0;
}

// Period and pulse of a transformer mode as its design found them, and its
// frequency as entered: 1/(1/f) need not give f back.
void ReadTiming(const DesignState& in, const DesignFindings& found, CheckedDesign& design) {
    design.period = found.PeriodUs * 1e-6;
    design.pulse = found.PulseUs * 1e-6;
    design.frequency = design.mode == WorkMode::Flyback ? 1 / design.period : in.FreqHz;
}

bool Usable(const CheckedDesign& d) {
    const bool common = PositiveFinite(d.effectiveArea) && PositiveFinite(d.effectiveLength) &&
                        PositiveFinite(d.effectiveVolume) && PositiveFinite(d.turns);
    if (d.mode == WorkMode::Choke) {
        return common && PositiveFinite(d.permWithGap);
    }
    return common && PositiveFinite(d.period) && PositiveFinite(d.pulse) &&
           PositiveFinite(d.frequency);
}

}  // namespace

CheckedDesign CheckedDesignOf(const std::optional<std::string>& error, ListColour colour,
                              const DesignState& in, const DesignState& after,
                              const CorePictures& cores,
                              const std::optional<CoreLetters>& letters) {
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
    d.mode = *mode;
    d.coreArea = in.CoreArea * 1e-4;
    d.pathLength = in.PathLength * 1e-2;
    if (const std::optional<CoreDimensions> core = CoreDimensionsOf(in, cores)) {
        SetCheckedCore(d, *core, letters);
    }
    d.voltIn = in.VoltIn;
    d.satInduction = in.SatInduction;
    d.permWithGap = after.PermWithGap;
    if (d.mode == WorkMode::Choke) {
        d.turns = after.ChokeTurns;
        d.chokeMaxCurrent = after.Findings.ChokeMaxCurrent;
        d.chokeWireDiameter = after.Findings.ChokeWireMm / 1000;
    } else {
        d.turns = after.TurnsPrimary;
        ReadTiming(in, after.Findings, d);
    }
    if (!d.nothingToCheck && !Usable(d)) {
        d.nothingToCheck = kNoDesignValues;
    }
    return d;
}

void SetCheckedCore(CheckedDesign& design, const CoreDimensions& core,
                    const std::optional<CoreLetters>& letters) {
    const std::optional<EffectiveParameters> effective = EffectiveParametersOf(core, letters);
    design.surface = OuterSurface(core);
    if (!effective) {
        design.effectiveArea = design.effectiveLength = design.effectiveVolume = 0;
        design.nothingToCheck = design.nothingToCheck.value_or(std::string(kNoDesignWindow));
        return;
    }
    design.effectiveArea = effective->area;
    design.effectiveLength = effective->length;
    design.effectiveVolume = effective->volume;
}

}  // namespace transcalc
