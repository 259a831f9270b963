#include "Choke.h"

#include "GappedInductance.h"

namespace transcalc {

BranchOutcome DesignChoke(DesignState& s, ResultWriter& out) {
    if (s.ChokeTurns == 0) {
        return BranchOutcome::Refused;
    }
    s.Inductance = GappedInductance(s.ChokeTurns, s);
    out.Number(Phrase::PermWithGap, RoundedDiv(s.PermWithGap, 1));
    out.Number(Phrase::Inductance, MilliHenry(s.Inductance), Phrase::UnitMilliHenry);
    out.Number(Phrase::Gap, Extended(s.GapCm) * 10, Phrase::UnitMm);
    out.Number(Phrase::ChokeTurns, s.ChokeTurns);

    // N·B·A / L with the area in m²: the current at which the core saturates.
    double flux = Store(Extended(s.CoreArea) * s.SatInduction * 100 * s.ChokeTurns / 100);
    flux = Store(Extended(0.000001L) * flux);
    const double maxCurrent = Store(Extended(100) * flux / s.Inductance);
    out.Number(Phrase::ChokeMaxCurrent, RoundedDiv(maxCurrent, 3), Phrase::UnitAmpere);

    // 7 A per mm² of copper, from the unrounded current.
    const double crossSection = Store(Extended(maxCurrent) / 7);
    const double diameter = Store(Sqrt(Extended(crossSection) * 4 / kPi));
    out.Number(Phrase::ChokeWire, RoundedDiv(diameter, 3), Phrase::UnitMm);
    s.Findings.ChokeMaxCurrent = maxCurrent;
    s.Findings.ChokeWireMm = diameter;
    return BranchOutcome::Completed;
}

}  // namespace transcalc
