#include "CheckText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "Phrases.h"

namespace transcalc {
namespace {

// Fixed notation with the given decimals, whatever the locale; from 1E15 on,
// as the results list does, three digits in scientific notation.
std::string Fixed(double value, int decimals, DecimalSeparator separator) {
    char buffer[64];
    const bool huge = std::abs(value) >= 1e15;
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   huge ? std::chars_format::scientific : std::chars_format::fixed,
                                   huge ? 2 : decimals)
                         .ptr;
    std::string text(buffer, end);
    if (text.starts_with("-") &&
        std::all_of(text.begin() + 1, text.end(), [](char ch) { return ch == '0' || ch == '.'; })) {
        text.erase(0, 1);  // no "-0,0"
    }
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, separator);
    }
    return text;
}

// Three significant digits, for values that span decades.
std::string Significant(double value, DecimalSeparator separator) {
    if (value == 0 || !std::isfinite(value)) {
        return Fixed(value, 0, separator);
    }
    const int decimals =
        std::clamp(2 - static_cast<int>(std::floor(std::log10(std::abs(value)))), 0, 9);
    return Fixed(value, decimals, separator);
}

// Three significant digits without trailing zeros: 0,001, 200, 10000.
std::string Plain(double value, DecimalSeparator separator) {
    std::string text = Significant(value, separator);
    if (text.find(separator) != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.ends_with(separator)) {
            text.erase(text.size() - separator.size());
        }
    }
    return text;
}

// How the lines are written: the decimal separator and the language.
struct Writing {
    DecimalSeparator sep;
    Language language;

    std::string Say(Phrase phrase) const { return std::string(PhraseText(phrase, language)); }
    std::string Tesla(double value) const { return Fixed(value, 3, sep) + Say(Phrase::UnitTesla); }
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
        std::string text = Significant(value * scale, w.sep) + w.Say(unit);
        if (list) {
            text +=
                w.Say(Phrase::InTheList) + Significant(*list * scale, w.sep) + w.Say(unit) + ")";
        }
        return text;
    };
    lines.push_back({w.Say(Phrase::EffectiveArea),
                     besideList(*c.effectiveArea, c.listArea, 1e4, Phrase::UnitSquareCmCheck),
                     w.Say(Phrase::EffectiveAreaMeaning)});
    lines.push_back({w.Say(Phrase::EffectiveLength),
                     besideList(*c.effectiveLength, c.listLength, 100, Phrase::UnitCm),
                     w.Say(Phrase::EffectiveLengthMeaning)});
    lines.push_back({w.Say(Phrase::EffectiveVolume),
                     Significant(*c.effectiveVolume * 1e6, w.sep) + w.Say(Phrase::UnitCubicCm),
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

// The gap as the list takes it and where it lies (printed reports show no
// meanings, so the value says it), and the inductance it gives;
// the list's inductance beside it where the two part by more than 1 %.
void AddInductance(const DesignCheck& c, const Writing& w, std::vector<CheckLine>& lines) {
    if (c.gap && c.coreKind) {
        lines.push_back({w.Say(Phrase::CheckGap),
                         Plain(*c.gap * 1000, w.sep) + w.Say(Phrase::UnitMm) + " (" +
                             w.Say(GapSitePhrase(*c.coreKind)) + ")",
                         w.Say(Phrase::CheckGapMeaning)});
    }
    if (!c.inductance) {
        return;
    }
    // Both in the unit of the check's value, µH below 1 mH.
    const bool milli = *c.inductance >= 1e-3;
    const auto inUnit = [&](double henry) {
        return Significant(henry * (milli ? 1e3 : 1e6), w.sep) +
               w.Say(milli ? Phrase::UnitMilliHenryCheck : Phrase::UnitMicroHenryCheck);
    };
    std::string value = inUnit(*c.inductance);
    if (c.listInductance && std::abs(*c.inductance / *c.listInductance - 1) > 0.01) {
        value += w.Say(Phrase::InductanceInTheList) + inUnit(*c.listInductance) + ")";
    }
    lines.push_back({w.Say(Phrase::CheckInductance), value, w.Say(Phrase::CheckInductanceMeaning)});
    lines.push_back({w.Say(Phrase::CheckAlValue),
                     Significant(*c.alValue * 1e9, w.sep) + w.Say(Phrase::UnitNanoHenry),
                     w.Say(Phrase::CheckAlValueMeaning)});
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
                         Fixed(*c.frequency / 1000, 1, w.sep) + w.Say(Phrase::UnitKhzCheck),
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
                     FormatNumber(c.enteredDb, w.sep) + w.Say(Phrase::UnitTesla),
                     w.Say(Phrase::EnteredDbMeaning)});

    const std::string atTemperature = w.Say(Phrase::SaturationAt) +
                                      FormatNumber(c.temperature, w.sep) +
                                      w.Say(Phrase::UnitCelsiusLabel);
    if (!c.bsat) {
        lines.push_back({atTemperature,
                         w.Say(c.material ? Phrase::NoSaturationData : Phrase::NoMaterial),
                         w.Say(Phrase::SaturationUnknownMeaning)});
        return;
    }
    lines.push_back({atTemperature, w.Tesla(*c.bsat), w.Say(Phrase::SaturationMeaning)});
    const bool saturates = *c.margin < 0;
    lines.push_back({w.Say(Phrase::Margin), Fixed(*c.margin * 100, 1, w.sep) + " %",
                     w.Say(saturates ? Phrase::MarginSaturates : Phrase::MarginMeaning),
                     saturates});
}

void AddHeat(const DesignCheck& c, const Writing& w, std::vector<CheckLine>& lines) {
    if (!c.coreLoss) {
        lines.push_back({w.Say(Phrase::CoreLoss) + "=", w.Say(NoLossPhrase(c.noLoss)),
                         w.Say(Phrase::CoreLossNotEstimated)});
    } else {
        std::string density =
            Significant(*c.lossDensity * 1e-6, w.sep) + w.Say(Phrase::UnitLossDensity);
        Phrase meaning = Phrase::LossDensityMeaning;
        if (c.lossOutside) {
            density += w.Say(Phrase::BeyondMaterialData) + Plain(c.lossOutside->low / 1000, w.sep) +
                       "–" + Plain(c.lossOutside->high / 1000, w.sep) +
                       w.Say(Phrase::UnitKhzCheck) + ")";
            meaning = Phrase::LossExtrapolatedMeaning;
        }
        lines.push_back(
            {w.Say(Phrase::LossDensity) + w.Say(Phrase::LossEstimate), density, w.Say(meaning)});
        lines.push_back({w.Say(Phrase::CoreLoss) + w.Say(Phrase::LossEstimate),
                         Significant(*c.coreLoss, w.sep) + w.Say(Phrase::UnitWatt),
                         w.Say(Phrase::CoreLossMeaning)});
    }
    if (c.surface) {
        lines.push_back({w.Say(Phrase::Surface),
                         Fixed(*c.surface * 1e4, 1, w.sep) + w.Say(Phrase::UnitSquareCmCheck),
                         w.Say(Phrase::SurfaceMeaning)});
    }
    if (c.temperatureRise) {
        lines.push_back({w.Say(Phrase::TemperatureRise),
                         Fixed(*c.temperatureRise, 1, w.sep) + w.Say(Phrase::UnitKelvin),
                         w.Say(Phrase::TemperatureRiseMeaning)});
    }
}

void AddCopper(const DesignCheck& c, const Writing& w, std::vector<CheckLine>& lines) {
    if (c.skinDepth) {
        lines.push_back({w.Say(Phrase::SkinDepth),
                         Fixed(*c.skinDepth * 1000, 3, w.sep) + w.Say(Phrase::UnitMm),
                         w.Say(Phrase::SkinDepthMeaning)});
    }
    if (!c.wireDiameter) {
        return;
    }
    const bool thick = c.strands.has_value();
    lines.push_back({w.Say(Phrase::WireDiameter),
                     Fixed(*c.wireDiameter * 1000, 3, w.sep) + w.Say(Phrase::UnitMm),
                     w.Say(thick ? Phrase::WireThickMeaning : Phrase::WireThinMeaning)});
    if (thick) {
        lines.push_back(
            {w.Say(Phrase::Strands), Fixed(*c.strands, 0, w.sep), w.Say(Phrase::StrandsMeaning)});
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
