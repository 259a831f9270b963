#include "Calculate.h"

#include <string>

#include "ClassicCore.h"
#include "Extended.h"

namespace transcalc {
namespace {

// Reads input fields in the order the command needs them. A value is reset
// before its field is read, so a bad field leaves it at 0.
class FieldReader {
public:
    FieldReader(const InputFields& fields, DecimalSeparator separator)
        : fields_(fields), separator_(separator) {}

    bool Has(Field field) const { return !fields_[field].empty(); }
    double Number(Field field) const { return ParseNumber(fields_[field], separator_); }

    void Value(double& target, Field field) const {
        target = 0;
        if (Has(field)) {
            target = Number(field);
        }
    }

    // Dimensions are typed in millimetres and kept in centimetres.
    void Millimetres(double& target, Field field) const {
        target = 0;
        if (Has(field)) {
            target = CentimetresOf(Number(field));
        }
    }

private:
    const InputFields& fields_;
    DecimalSeparator separator_;
};

void ReadRingCore(const FieldReader& read, DesignState& s) {
    read.Millimetres(s.RingD1, Field::Dimension1);
    read.Millimetres(s.RingD2, Field::Dimension2);
    read.Millimetres(s.DimHL1, Field::Dimension3);
    s.CoreArea = ClassicRingArea(s.RingD1, s.RingD2, s.DimHL1);
    s.PathLength = ClassicRingPath(s.RingD1, s.RingD2);
}

void ReadShapedCore(const FieldReader& read, bool eShaped, DesignState& s) {
    read.Millimetres(s.DimH1, Field::Dimension1);
    read.Millimetres(s.DimH2, Field::Dimension2);
    read.Millimetres(s.DimHL1, Field::Dimension3);
    read.Millimetres(s.DimL2, Field::Dimension4);
    s.CoreArea = ClassicShapedArea(s.DimHL1, s.DimL2);
    s.PathLength = ClassicShapedPath(eShaped, s.DimH1, s.DimH2, s.DimHL1);
}

void ReadInputs(const FieldReader& read, const CorePictures& cores, DesignState& s) {
    read.Value(s.Permeability, Field::Permeability);
    read.Millimetres(s.GapCm, Field::Gap);
    read.Value(s.SatInduction, Field::SatInduction);
    read.Value(s.VoltIn, Field::VoltageIn);
    read.Value(s.VoltOut, Field::VoltageOut);
    s.FreqHz = 0;
    s.PulseUs = 0;
    if (read.Has(Field::FrequencyOrPulse)) {
        // The same number is a frequency in kHz or a pulse in µs, by mode.
        s.FreqHz = read.Number(Field::FrequencyOrPulse);
        s.PulseUs = s.FreqHz;
        s.FreqHz = Store(Extended(s.FreqHz) * 1000);
    }
    if (cores.ring) {
        ReadRingCore(read, s);
    }
    if (read.Has(Field::Overshoot)) {
        s.OvershootVolt = read.Number(Field::Overshoot);
    }
    if (cores.shapedE || cores.shapedU) {
        ReadShapedCore(read, cores.shapedE, s);
    }
    if (cores.named) {
        s.CoreArea = cores.named->areaCm2;
        s.PathLength = cores.named->pathCm;
    }
    if (read.Has(Field::ChokeTurns)) {
        s.ChokeTurns = read.Number(Field::ChokeTurns);
    }
}

void AppendEcho(const DesignState& s, ResultWriter& out) {
    const bool choke = s.Mode == kModeChoke;
    const bool flyback = s.Mode == kModeFlyback;
    if (!choke && s.VoltIn > 0) {
        out.Number(Phrase::VoltageIn, s.VoltIn);
    }
    if (!choke && s.VoltOut > 0) {
        out.Number(Phrase::VoltageOut, s.VoltOut);
    }
    if (flyback && s.OvershootVolt > 0) {
        out.Number(Phrase::FlybackOvershoot, s.OvershootVolt);
    }
    out.Number(Phrase::Gap, Extended(s.GapCm) * 10, Phrase::UnitMm);
    const bool frequencyShown = !choke && !flyback && s.FreqHz > 0;
    if (frequencyShown) {
        out.Number(Phrase::Frequency, Extended(s.FreqHz) / 1000, Phrase::UnitKhz);
    }
    if (!choke && !frequencyShown) {
        out.Number(Phrase::EchoPulse, s.PulseUs, Phrase::UnitMicroseconds);
    }
    if (s.CoreArea > 0) {
        out.Number(Phrase::CoreArea, RoundedMul(s.CoreArea, 4), Phrase::UnitSquareCm);
    }
    // Rounded before the sign is known: the rounding of a huge path faults
    // whatever its sign.
    const double shownPath = RoundedDiv(s.PathLength, 2);
    if (s.PathLength > 0) {
        out.Number(Phrase::PathLength, shownPath, Phrase::UnitCm);
    }
    if (s.Permeability > 0) {
        out.Number(Phrase::Permeability, s.Permeability);
    }
    if (s.SatInduction > 0) {
        out.Number(Phrase::SatInduction, s.SatInduction);
    }
}

}  // namespace

void Calculate(const InputFields& fields, const CorePictures& cores, DesignState& state,
               ResultsList& list, DecimalSeparator separator, Language language) {
    list.Clear();
    state.Findings = {};
    ReadInputs(FieldReader(fields, separator), cores, state);

    ResultWriter out(list, separator, language);
    AppendEcho(state, out);
    out.Text("");
    out.Text("");
    if (!state.Mode.empty()) {
        std::string line(out.Say(Phrase::ModeLine));
        line += ModeTextIn(state.Mode, language);
        out.Text(line);
        out.SetColour(ListColour::Desktop);
    } else {
        out.SetColour(ListColour::Red);
        out.Text(Phrase::EnterMode);
    }
    state.ResultsPending = true;
}

}  // namespace transcalc
