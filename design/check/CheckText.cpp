#include "CheckText.h"

#include "NumberFormat.h"
#include "Phrases.h"

namespace transcalc {
namespace {

// How the lines are written: the decimal separator and the language.
struct Writing {
    DecimalSeparator sep;
    Language language;

    std::string Say(Phrase phrase) const { return std::string(PhraseText(phrase, language)); }
    std::string Number(double value, NumberFormat format) const {
        return FormatValue(value, format, sep);
    }
    std::string Tesla(double value) const {
        return Number(value, Decimals(3)) + Say(Phrase::UnitTesla);
    }
};

Phrase NoLossPhrase(NoLoss reason) {
    switch (reason) {
        case NoLoss::NoMaterial:
            return Phrase::NoMaterial;
        case NoLoss::NoSteinmetz:
            return Phrase::NoLossData;
        case NoLoss::NoFitAtTemperature:
            return Phrase::NoLossFitAtTemperature;
        default:
            return Phrase::NoOperatingPoint;
    }
}

// The core's effective parameters beside the results list's own.
void AddCore(const DesignCheck& c, const Writing& w, std::vector<CheckLine>& lines) {
    if (!c.effectiveArea) {
        return;
    }
    // scale: from SI units to the unit shown.
    const auto besideList = [&](double value, const std::optional<double>& list, double scale,
                                Phrase unit) {
        std::string text = w.Number(value * scale, SignificantDigits(3)) + w.Say(unit);
        if (list) {
            text += w.Say(Phrase::InTheList) + w.Number(*list * scale, SignificantDigits(3)) +
                    w.Say(unit) + ")";
        }
        return text;
    };
    lines.push_back({w.Say(Phrase::EffectiveArea),
                     besideList(*c.effectiveArea, c.listArea, 1e4, Phrase::UnitSquareCmCheck),
                     w.Say(Phrase::EffectiveAreaMeaning)});
    lines.push_back({w.Say(Phrase::EffectiveLength),
                     besideList(*c.effectiveLength, c.listLength, 100, Phrase::UnitCm),
                     w.Say(Phrase::EffectiveLengthMeaning)});
    lines.push_back(
        {w.Say(Phrase::EffectiveVolume),
         w.Number(*c.effectiveVolume * 1e6, SignificantDigits(3)) + w.Say(Phrase::UnitCubicCm),
         w.Say(Phrase::EffectiveVolumeMeaning)});
}

Phrase GapSitePhrase(CoreKind kind) {
    switch (kind) {
        case CoreKind::Ring:
            return Phrase::GapRingCut;
        case CoreKind::ShapedU:
            return Phrase::GapInBothLegs;
        default:
            return Phrase::GapInCentreLeg;
    }
}

// A powder choke's inductance falls with its current: where it works, and
// what that makes of the ripple and the peak.
template <class InUnit>
void AddRollOff(const DesignCheck& c, const Writing& w, const InUnit& inUnit,
                std::vector<CheckLine>& lines) {
    if (!c.rollsOff || !c.inductanceDc) {
        return;
    }
    lines.push_back({w.Say(Phrase::PermeabilityAtDc),
                     w.Number(*c.permeabilityDc, SignificantDigits(3)),
                     w.Say(Phrase::PermeabilityAtDcMeaning)});
    lines.push_back({w.Say(Phrase::InductanceAtDc), inUnit(*c.inductanceDc),
                     w.Say(Phrase::InductanceAtDcMeaning)});
    lines.push_back({w.Say(Phrase::InductanceAtPeak), inUnit(*c.inductancePeak),
                     w.Say(Phrase::InductanceAtPeakMeaning)});
    const auto amperes = [&](double value) {
        return w.Number(value, SignificantDigits(3)) + w.Say(Phrase::UnitAmpere);
    };
    lines.push_back(
        {w.Say(Phrase::RippleAtDc), amperes(*c.ripple), w.Say(Phrase::RippleAtDcMeaning)});
    lines.push_back(
        {w.Say(Phrase::CurrentPeak), amperes(*c.currentPeak), w.Say(Phrase::CurrentPeakMeaning)});
}

// The gap as the list takes it and where it lies (printed reports show no
// meanings, so the value says it), and the inductance it gives;
// the list's inductance beside it where the two part by more than 1 %.
void AddInductance(const DesignCheck& c, const Writing& w, std::vector<CheckLine>& lines) {
    if (c.gap && c.coreKind) {
        lines.push_back({w.Say(Phrase::CheckGap),
                         w.Number(*c.gap * 1000, SignificantDigits(3).Trimmed()) +
                             w.Say(Phrase::UnitMm) + " (" + w.Say(GapSitePhrase(*c.coreKind)) + ")",
                         w.Say(Phrase::CheckGapMeaning)});
    }
    if (!c.inductance) {
        return;
    }
    // Both in the unit of the check's value, µH below 1 mH.
    const bool milli = *c.inductance >= 1e-3;
    const auto inUnit = [&](double henry) {
        return w.Number(henry * (milli ? 1e3 : 1e6), SignificantDigits(3)) +
               w.Say(milli ? Phrase::UnitMilliHenryCheck : Phrase::UnitMicroHenryCheck);
    };
    std::string value = inUnit(*c.inductance);
    if (c.listInductance && std::abs(*c.inductance / *c.listInductance - 1) > 0.01) {
        value += w.Say(Phrase::InductanceInTheList) + inUnit(*c.listInductance) + ")";
    }
    lines.push_back({w.Say(Phrase::CheckInductance), value, w.Say(Phrase::CheckInductanceMeaning)});
    lines.push_back(
        {w.Say(Phrase::CheckAlValue),
         w.Number(*c.alValue * 1e9, SignificantDigits(3)) + w.Say(Phrase::UnitNanoHenry),
         w.Say(Phrase::CheckAlValueMeaning)});
    AddRollOff(c, w, inUnit, lines);
}

void AddFlux(const DesignCheck& c, const Writing& w, std::vector<CheckLine>& lines) {
    if (c.material) {
        lines.push_back(
            {w.Say(Phrase::CheckMaterial), *c.material, w.Say(Phrase::CheckMaterialMeaning)});
    }
    AddCore(c, w, lines);
    AddInductance(c, w, lines);
    if (c.frequency) {
        lines.push_back({w.Say(Phrase::CheckFrequency),
                         w.Number(*c.frequency / 1000, Decimals(1)) + w.Say(Phrase::UnitKhzCheck),
                         w.Say(Phrase::CheckFrequencyMeaning)});
    } else {
        lines.push_back({w.Say(Phrase::CheckFrequency), w.Say(Phrase::NotGiven),
                         w.Say(Phrase::NoFrequencyMeaning)});
    }
    if (c.fluxSwing) {
        lines.push_back(
            {w.Say(Phrase::FluxSwing), w.Tesla(*c.fluxSwing), w.Say(Phrase::FluxSwingMeaning)});
    }
    const bool atMaxCurrent = c.mode == WorkMode::Choke && !c.fluxSwing;
    lines.push_back({w.Say(Phrase::FluxPeak), w.Tesla(*c.fluxPeak),
                     w.Say(atMaxCurrent ? Phrase::FluxPeakAtMaxCurrent : Phrase::FluxPeakMeaning)});
    lines.push_back({w.Say(Phrase::EnteredDb),
                     w.Number(c.enteredDb, kAsTyped) + w.Say(Phrase::UnitTesla),
                     w.Say(Phrase::EnteredDbMeaning)});

    const std::string atTemperature = w.Say(Phrase::SaturationAt) +
                                      w.Number(c.temperature, kAsTyped) +
                                      w.Say(Phrase::UnitCelsiusLabel);
    if (c.aboveCurie) {
        lines.push_back({w.Say(Phrase::AboveCurie) + FormatNumber(*c.aboveCurie, w.sep) +
                             w.Say(Phrase::AboveCurieEnd),
                         "", "", true});
        return;
    }
    if (!c.bsat) {
        lines.push_back({atTemperature,
                         w.Say(c.material ? Phrase::NoSaturationData : Phrase::NoMaterial),
                         w.Say(Phrase::SaturationUnknownMeaning)});
        return;
    }
    lines.push_back({atTemperature, w.Tesla(*c.bsat), w.Say(Phrase::SaturationMeaning)});
    const bool saturates = *c.margin < 0;
    lines.push_back({w.Say(Phrase::Margin), w.Number(*c.margin * 100, Decimals(1)) + " %",
                     w.Say(saturates ? Phrase::MarginSaturates : Phrase::MarginMeaning),
                     saturates});
}

void AddHeat(const DesignCheck& c, const Writing& w, std::vector<CheckLine>& lines) {
    if (!c.coreLoss) {
        lines.push_back({w.Say(Phrase::CoreLoss) + "=", w.Say(NoLossPhrase(c.noLoss)),
                         w.Say(Phrase::CoreLossNotEstimated)});
    } else {
        std::string density =
            w.Number(*c.lossDensity * 1e-6, SignificantDigits(3)) + w.Say(Phrase::UnitLossDensity);
        // The spans of the material's data that the loss lies beyond.
        const auto span = [&](double low, double high, Phrase unit) {
            return w.Number(low, SignificantDigits(3).Trimmed()) + "–" +
                   w.Number(high, SignificantDigits(3).Trimmed()) + w.Say(unit);
        };
        std::string beyond;
        if (c.lossOutside) {
            beyond =
                span(c.lossOutside->low / 1000, c.lossOutside->high / 1000, Phrase::UnitKhzCheck);
        }
        if (const std::optional<TemperatureSpan>& t = c.lossTemperatureOutside) {
            beyond += (beyond.empty() ? "" : ", ") + span(t->low, t->high, Phrase::UnitCelsius);
        }
        if (!beyond.empty()) {
            density += w.Say(Phrase::BeyondMaterialData) + beyond + ")";
        }
        const Phrase meaning =
            c.lossOutside && c.lossTemperatureOutside ? Phrase::LossBothExtrapolatedMeaning
            : c.lossOutside                           ? Phrase::LossExtrapolatedMeaning
            : c.lossTemperatureOutside                ? Phrase::LossTemperatureExtrapolatedMeaning
                                                      : Phrase::LossDensityMeaning;
        const Phrase how = c.lossMethod == LossMethod::Steinmetz ? Phrase::LossEstimate
                                                                 : Phrase::LossByMakerFormula;
        lines.push_back({w.Say(Phrase::LossDensity) + w.Say(how), density, w.Say(meaning)});
        lines.push_back({w.Say(Phrase::CoreLoss) + w.Say(how),
                         w.Number(*c.coreLoss, SignificantDigits(3)) + w.Say(Phrase::UnitWatt),
                         w.Say(Phrase::CoreLossMeaning)});
        if (c.biasWarning) {
            lines.push_back({w.Say(Phrase::BiasWarning), "", ""});
        }
    }
    if (c.surface) {
        lines.push_back({w.Say(Phrase::Surface),
                         w.Number(*c.surface * 1e4, Decimals(1)) + w.Say(Phrase::UnitSquareCmCheck),
                         w.Say(Phrase::SurfaceMeaning)});
    }
    if (c.temperatureRise) {
        lines.push_back({w.Say(Phrase::TemperatureRise),
                         w.Number(*c.temperatureRise, Decimals(1)) + w.Say(Phrase::UnitKelvin),
                         w.Say(Phrase::TemperatureRiseMeaning)});
    }
}

void AddCopper(const DesignCheck& c, const Writing& w, std::vector<CheckLine>& lines) {
    if (c.skinDepth) {
        lines.push_back({w.Say(Phrase::SkinDepth),
                         w.Number(*c.skinDepth * 1000, Decimals(3)) + w.Say(Phrase::UnitMm),
                         w.Say(Phrase::SkinDepthMeaning)});
    }
    if (!c.wireDiameter) {
        return;
    }
    const bool thick = c.strands.has_value();
    lines.push_back({w.Say(Phrase::WireDiameter),
                     w.Number(*c.wireDiameter * 1000, Decimals(3)) + w.Say(Phrase::UnitMm),
                     w.Say(thick ? Phrase::WireThickMeaning : Phrase::WireThinMeaning)});
    if (thick) {
        lines.push_back({w.Say(Phrase::Strands), w.Number(*c.strands, Decimals(0)),
                         w.Say(Phrase::StrandsMeaning)});
    }
}

}  // namespace

std::vector<CheckLine> CheckLines(const DesignCheck& check, DecimalSeparator separator,
                                  Language language) {
    if (check.nothingToCheck) {
        return {{std::string(TranslatedText(*check.nothingToCheck, language)), "", ""}};
    }
    const Writing writing{separator, language};
    std::vector<CheckLine> lines;
    AddFlux(check, writing, lines);
    AddHeat(check, writing, lines);
    AddCopper(check, writing, lines);
    return lines;
}

std::vector<std::string> CheckTextLines(const DesignCheck& check, DecimalSeparator separator,
                                        Language language) {
    std::vector<std::string> texts;
    for (const CheckLine& line : CheckLines(check, separator, language)) {
        texts.push_back(line.label + line.value);
    }
    return texts;
}

}  // namespace transcalc
