#pragma once

#include <cstddef>
#include <string>
#include <type_traits>

#include "WorkMode.h"

namespace transcalc {

// What the mode designs found besides their lines, for the checks that read
// a design: the classic's own numbers, never derived a second time. Calculate
// clears them; a design that completes leaves its own.
struct DesignFindings {
    double ChokeMaxCurrent = 0;  // A: the choke's current at dB
    double ChokeWireMm = 0;      // mm: the recommended wire, 7 A per mm² of that current
    double PeakCurrentA = 0;     // A: the flyback primary's current at the end of the pulse
    double PulseUs = 0;          // µs: the part of the period the primary drives the core
    double PeriodUs = 0;         // µs: transformer modes, pulse and pause
    double ReflectedVolt = 0;    // V: what the flyback's secondary reflects
    // Forward modes: the larger of the list's two secondary counts, and the
    // secondary voltage the list gives for it.
    double SecondaryTurnsLarger = 0;
    double SecondaryVoltLarger = 0;  // V
};

// The design values shared by Calculate, the results pass and the mode designs.
// One instance lives as long as the window. Calculate resets and reads the
// inputs; what it does not set keeps the value that its last writer left.
struct DesignState {
    double Inductance = 0;        // H: the winding computed last
    double DimHL1 = 0;            // cm: ring height H, or leg width L1 of a shaped core
    double DimL2 = 0;             // cm: depth L2 of a shaped core
    double VoltIn = 0;            // V: input (primary) voltage
    double VoltOut = 0;           // V: output (secondary) voltage
    double RingD1 = 0;            // cm: ring outer diameter D1
    double RingD2 = 0;            // cm: ring inner diameter D2
    double CoreArea = 0;          // cm²: core cross-section; never reset
    double PathLength = 0;        // cm: magnetic path length; never reset
    double SatInduction = 0;      // T: saturation induction dB of the core material
    double FreqHz = 0;            // Hz: switching frequency
    double Permeability = 0;      // initial relative permeability of the material
    double PermWithGap = 0;       // effective permeability of the gapped core
    double ChokeTurns = 0;        // turns of the choke; kept when its field is empty
    double TurnsPrimary = 0;      // primary turns
    double TurnsSecondary = 0;    // secondary turns
    double GapCm = 0;             // cm: core gap
    double DimH1 = 0;             // cm: height H1 of a shaped core
    double DimH2 = 0;             // cm: overall width H2 of a shaped core
    double PulseUs = 0;           // µs: pulse duration
    double OvershootVolt = 0;     // V: allowed flyback overshoot; kept when its field is empty
    bool ResultsPending = false;  // a results pass is due
    std::string Mode;             // one of the four mode texts, or empty
    DesignFindings Findings;
};

// Calls visit(name, value) for every number of the state, in declaration
// order: the command line's JSON and the tests walk the state through it.
template <typename State, typename Visitor>
requires std::is_same_v<std::remove_const_t<State>, DesignState>
void VisitDesignValues(State& s, Visitor&& visit) {
    visit("Inductance", s.Inductance);
    visit("DimHL1", s.DimHL1);
    visit("DimL2", s.DimL2);
    visit("VoltIn", s.VoltIn);
    visit("VoltOut", s.VoltOut);
    visit("RingD1", s.RingD1);
    visit("RingD2", s.RingD2);
    visit("CoreArea", s.CoreArea);
    visit("PathLength", s.PathLength);
    visit("SatInduction", s.SatInduction);
    visit("FreqHz", s.FreqHz);
    visit("Permeability", s.Permeability);
    visit("PermWithGap", s.PermWithGap);
    visit("ChokeTurns", s.ChokeTurns);
    visit("TurnsPrimary", s.TurnsPrimary);
    visit("TurnsSecondary", s.TurnsSecondary);
    visit("GapCm", s.GapCm);
    visit("DimH1", s.DimH1);
    visit("DimH2", s.DimH2);
    visit("PulseUs", s.PulseUs);
    visit("OvershootVolt", s.OvershootVolt);
}

// A number added to the state must join the visit above; this count is the
// reminder.
inline constexpr int kDesignValueCount = 21;
static_assert(offsetof(DesignState, ResultsPending) == kDesignValueCount * sizeof(double),
              "every double of DesignState is visited by VisitDesignValues");

}  // namespace transcalc
