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

// The core's effective parameters and outer surface. A core that leaves no
// window for a winding (the classic list designs it all the same, with
// negative inductances) has nothing to check.
void SetCheckedCore(CheckedDesign& design, const CoreShape& shape) {
    design.coreArea = shape.ClassicArea();
    design.pathLength = shape.ClassicPath();
    const std::optional<EffectiveParameters> effective = shape.Effective();
    design.surface = shape.OuterSurface();
    if (!effective) {
        design.nothingToCheck = design.nothingToCheck.value_or(std::string(kNoDesignWindow));
        return;
    }
    design.effectiveArea = effective->area;
    design.effectiveLength = effective->length;
    design.effectiveVolume = effective->volume;
}

}  // namespace

CheckedDesign CheckedDesignOf(const std::optional<std::string>& error, ListColour colour,
                              const DesignState& in, const DesignState& after,
                              const CorePictures& cores, const std::optional<CoreLetters>& letters,
                              const std::optional<CatalogueFamilyCore>& familyCore) {
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
    d.shape = CoreShapeOf(in, cores, letters, familyCore);
    if (d.shape) {
        SetCheckedCore(d, *d.shape);
    }
    d.voltIn = in.VoltIn;
    d.satInduction = in.SatInduction;
    d.permWithGap = after.PermWithGap;
    d.permeability = in.Permeability;
    d.gap = in.GapCm / 100;
    d.listInductance = after.Inductance;
    d.voltOut = after.VoltOut;
    d.reflectedVoltage = after.Findings.ReflectedVolt;
    if (d.mode == WorkMode::Choke) {
        d.turns = after.ChokeTurns;
        d.chokeMaxCurrent = after.Findings.ChokeMaxCurrent;
        d.chokeWireDiameter = after.Findings.ChokeWireMm / 1000;
    } else {
        d.turns = after.TurnsPrimary;
        d.secondaryTurns = after.TurnsSecondary;
        if (d.mode != WorkMode::Flyback) {
            // The list corrects the secondary by one turn towards the output
            // voltage, often below it; the load needs the count that reaches it.
            d.secondaryTurns = after.Findings.SecondaryTurnsLarger;
            d.secondaryFallsShort = after.Findings.SecondaryVoltLarger < after.VoltOut;
        }
        ReadTiming(in, after.Findings, d);
    }
    if (!d.nothingToCheck && !Usable(d)) {
        d.nothingToCheck = kNoDesignValues;
    }
    return d;
}

std::optional<CoreShape> CoreShapeOf(const DesignState& s, const CorePictures& cores,
                                     const std::optional<CoreLetters>& letters,
                                     const std::optional<CatalogueFamilyCore>& familyCore) {
    if (familyCore) {
        return CoreShape::OfFamily(familyCore->core, familyCore->bobbin);
    }
    // The state keeps the dimensions in cm.
    if (cores.shapedE || cores.shapedU) {
        return CoreShape({cores.shapedE ? CoreKind::ShapedE : CoreKind::ShapedU, s.DimH1 * 10,
                          s.DimH2 * 10, s.DimHL1 * 10, s.DimL2 * 10},
                         letters);
    }
    if (cores.ring) {
        return CoreShape({CoreKind::Ring, s.RingD1 * 10, s.RingD2 * 10, s.DimHL1 * 10, 0}, letters);
    }
    return std::nullopt;
}

}  // namespace transcalc
