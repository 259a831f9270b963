#include "Flyback.h"

#include "GappedInductance.h"

namespace transcalc {
namespace {

// Secondary turns and the switch voltage allow 10 % more than the reflected
// voltage needs.
constexpr long double kSecondaryMargin = 1.1L;

}  // namespace

BranchOutcome DesignFlyback(DesignState& s, ResultWriter& out) {
    if (s.PulseUs == 0) {
        out.Text(Phrase::NoPulse);
        return BranchOutcome::Refused;
    }
    if (s.VoltIn == 0) {
        out.Text(Phrase::NoInputVoltage);
        return BranchOutcome::Refused;
    }
    // Turns for the volt-seconds of one pulse at the saturation induction
    // (time in µs, area in cm²). Adding 0.5 before rounding to even lifts any
    // fraction and any odd count to the next whole number.
    s.TurnsPrimary = Store((Extended(s.VoltIn) * s.PulseUs) /
                           (Extended(s.CoreArea) * s.SatInduction * kMicrosecondsPerSquareCm));
    s.TurnsPrimary = Store(Round(Extended(s.TurnsPrimary) + 0.5L));
    out.Number(Phrase::PrimaryTurnsFlyback, s.TurnsPrimary);

    s.Inductance = GappedInductance(s.TurnsPrimary, s);
    out.Number(Phrase::PermWithGap, RoundedDiv(s.PermWithGap, 1));
    out.Number(Phrase::PrimaryInductance, MilliHenry(s.Inductance), Phrase::UnitMilliHenry);
    out.Number(Phrase::Gap, Extended(s.GapCm) * 10, Phrase::UnitMm);

    const double peakCurrent = Store(Extended(0.000001L) * s.PulseUs * s.VoltIn / s.Inductance);
    out.Number(Phrase::FlybackPeakCurrent, RoundedDiv(peakCurrent, 3), Phrase::UnitAmpere);

    // From here on the overshoot is the voltage the secondary reflects.
    if (s.OvershootVolt > s.VoltIn) {
        s.OvershootVolt = Store(Extended(s.OvershootVolt) - s.VoltIn);
    }
    s.TurnsSecondary = Store(Extended(s.TurnsPrimary) * s.VoltOut / s.OvershootVolt);
    s.TurnsSecondary = Store(Round(Extended(kSecondaryMargin) * s.TurnsSecondary));
    out.Number(Phrase::SecondaryTurnsFlyback, s.TurnsSecondary);

    const double maxVoltage = Store(
        Extended(s.TurnsPrimary) / s.TurnsSecondary * s.VoltOut * kSecondaryMargin + s.VoltIn);
    out.Number(Phrase::FlybackSwitchVoltage, RoundedMul(maxVoltage, 1));

    const double pauseUs = Store(Extended(s.PulseUs) * s.VoltIn / s.OvershootVolt);
    out.Number(Phrase::PulseTime, RoundedMul(s.PulseUs, 4), Phrase::UnitMicroseconds);
    out.Number(Phrase::PauseTime, RoundedMul(RoundedDiv(pauseUs, 1), 4), Phrase::UnitMicroseconds);

    const double periodUs = Store(Extended(s.PulseUs) + pauseUs);
    double frequency = Store(Extended(1) / (Extended(0.000001L) * periodUs));
    frequency = Store(Round(frequency));
    out.Number(Phrase::RecommendedFrequency, Extended(frequency) / 1000, Phrase::UnitKhz);
    s.Findings.PeakCurrentA = peakCurrent;
    s.Findings.PulseUs = s.PulseUs;
    s.Findings.PeriodUs = periodUs;
    s.Findings.ReflectedVolt = s.OvershootVolt;
    return BranchOutcome::Completed;
}

}  // namespace transcalc
