#include "Forward.h"

#include "GappedInductance.h"

namespace transcalc {
namespace {

// Where the two forward converters differ once the working pulse is known.
struct ForwardKind {
    bool singleEnded;
    long double secondaryFactor;  // on VoltOut in the secondary turns
    long double voltageScale;     // K in the secondary voltage, to 4 decimals
};

// The single-ended switch is on for 0.45 of the period and off for 0.55,
// the time its reset winding of equal turns needs with a margin. Both are
// written out: 1 − 0.45 is not the extended value nearest 0.55.
constexpr long double kSingleEndedPulseShare = 0.45L;
constexpr long double kSingleEndedPauseShare = 0.55L;
// The same shares as ratios of pulse to pause (0.45/0.55) and back.
constexpr long double kPulseToPause = 9.0L / 11.0L;
constexpr long double kPauseToPulse = 11.0L / 9.0L;

// Push-pull: the secondary carries the output voltage all period. Single-
// ended: only during the pulse, so it needs VoltOut / 0.45 = 20/9 · VoltOut,
// and the output voltage is the average, 0.45 of the pulse voltage.
constexpr ForwardKind kPushPull{false, 1.0L, 10000.0L};
constexpr ForwardKind kSingleEnded{true, 20.0L / 9.0L, 4500.0L};

double SecondaryVoltage(const DesignState& s, const ForwardKind& kind) {
    return Store(Extended(Round((Extended(kind.voltageScale) * s.VoltIn) * s.TurnsSecondary /
                                s.TurnsPrimary)) *
                 0.0001L);
}

// The calculation both converters share, from the raw primary turns and the
// working pulse of the preparation.
BranchOutcome DesignForward(DesignState& s, ResultWriter& out, const ForwardKind& kind) {
    if (s.FreqHz == 0) {
        out.Text(Phrase::NoFrequency);
        return BranchOutcome::Refused;
    }
    if (s.VoltIn == 0) {
        out.Text(Phrase::NoInputVoltage);
        return BranchOutcome::Refused;
    }
    // The minimal pulse below takes the place of the working one.
    const double workingPulseUs = s.PulseUs;
    s.TurnsPrimary = Store(Round(Extended(s.TurnsPrimary) + 0.5L));
    out.Number(Phrase::PrimaryTurns, s.TurnsPrimary);

    s.Inductance = GappedInductance(s.TurnsPrimary, s);
    out.Number(Phrase::PrimaryInductance, MilliHenry(s.Inductance), Phrase::UnitMilliHenry);

    // The unrounded count goes straight to the rounding.
    s.TurnsSecondary =
        Store(Round((Extended(kind.secondaryFactor) * s.VoltOut) * s.TurnsPrimary / s.VoltIn));
    out.Number(Phrase::SecondaryTurns, s.TurnsSecondary);
    double voltSecondary = SecondaryVoltage(s, kind);
    out.Number(Phrase::SecondaryVoltage, voltSecondary);
    s.Findings.SecondaryTurnsLarger = s.TurnsSecondary;
    s.Findings.SecondaryVoltLarger = voltSecondary;

    // Whole turns rarely give the wanted voltage: one turn more or less.
    if (voltSecondary != s.VoltOut) {
        const int step = voltSecondary > s.VoltOut ? -1 : 1;
        s.TurnsSecondary = Store(Extended(s.TurnsSecondary) + step);
        out.Number(Phrase::SecondaryTurnsCorrected, s.TurnsSecondary);
        voltSecondary = SecondaryVoltage(s, kind);
        out.Number(Phrase::SecondaryVoltage, voltSecondary);
        if (step > 0) {
            s.Findings.SecondaryTurnsLarger = s.TurnsSecondary;
            s.Findings.SecondaryVoltLarger = voltSecondary;
        }
    }

    double voltPerTurn = Store(Extended(s.VoltIn) / s.TurnsPrimary);
    if (kind.singleEnded) {
        voltPerTurn = Store(Extended(kPulseToPause) * voltPerTurn);
    }
    out.Number(Phrase::VoltsPerTurn, RoundedMul(voltPerTurn, 5), Phrase::UnitVolt);

    double idleCurrent = Store((Extended(s.VoltIn) * s.PulseUs) * 0.000001L / s.Inductance);
    if (!kind.singleEnded) {
        idleCurrent = Store(Extended(idleCurrent) / 2);
    }
    out.Number(Phrase::IdleCurrent, RoundedMul(idleCurrent, 3), Phrase::UnitAmpereLatin);

    // The shortest pulse that keeps the core out of saturation with these turns.
    s.PulseUs = Store((Extended(s.CoreArea) * kFullSwingMicrosecondsPerSquareCm * s.SatInduction *
                       s.TurnsPrimary) /
                      s.VoltIn);
    if (kind.singleEnded) {
        s.PulseUs = Store(Extended(s.PulseUs) / 2);
    }
    out.Number(Phrase::MinimumPulse, RoundedMul(s.PulseUs, 5), Phrase::UnitMicroseconds);

    double pauseUs = s.PulseUs;
    if (kind.singleEnded) {
        pauseUs = Store(Extended(kPauseToPulse) * s.PulseUs);
        out.Number(Phrase::MinimumPause, RoundedMul(pauseUs, 3), Phrase::UnitMicrosecondsTight);
    }
    out.Text(Phrase::TransformerAllows);
    out.Number(Phrase::LowestFrequency,
               Extended(Round(Extended(1000000) / (Extended(s.PulseUs) + pauseUs))) * 0.001L,
               Phrase::UnitKhz);
    s.Findings.PulseUs = workingPulseUs;
    s.Findings.PeriodUs = Store(Extended(1000000) / s.FreqHz);
    return BranchOutcome::Completed;
}

}  // namespace

BranchOutcome DesignPushPull(DesignState& s, ResultWriter& out) {
    // Without a frequency the common calculation reports it.
    if (s.FreqHz != 0) {
        s.PulseUs = Store(Extended(1000000) / (Extended(2) * s.FreqHz));
        out.Number(Phrase::Pulse, RoundedMul(s.PulseUs, 4), Phrase::UnitMicroseconds);
        s.TurnsPrimary =
            Store((Extended(s.VoltIn) * s.PulseUs) /
                  (Extended(s.CoreArea) * s.SatInduction * kFullSwingMicrosecondsPerSquareCm));
    }
    return DesignForward(s, out, kPushPull);
}

BranchOutcome DesignSingleEnded(DesignState& s, ResultWriter& out) {
    if (s.VoltIn == 0) {
        out.Text(Phrase::NoInputVoltage);
        return BranchOutcome::Refused;
    }
    if (s.FreqHz == 0) {
        out.Text(Phrase::NoFrequency);
        return BranchOutcome::Refused;
    }
    s.PulseUs = Store(Extended(1000000) / s.FreqHz * kSingleEndedPulseShare);
    out.Number(Phrase::Pulse, RoundedMul(s.PulseUs, 4), Phrase::UnitMicroseconds);
    const double pauseUs = Store(Extended(1000000) / s.FreqHz * kSingleEndedPauseShare);
    out.Number(Phrase::Pause, RoundedMul(pauseUs, 4), Phrase::UnitMicroseconds);
    s.TurnsPrimary = Store((Extended(s.VoltIn) * s.PulseUs) /
                           (Extended(s.CoreArea) * s.SatInduction * kMicrosecondsPerSquareCm));
    return DesignForward(s, out, kSingleEnded);
}

}  // namespace transcalc
