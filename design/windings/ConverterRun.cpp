#include "ConverterRun.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "NumberFormat.h"
#include "Phrases.h"

namespace transcalc {
namespace {

// Every text of the converter in Russian and in English, in the order of Say's keys.
enum class Say : std::size_t {
    Outputs,
    Turns,
    At,
    Volts,
    Amperes,
    Drop,
    ListNote,
    ListNoteEnd,
    OutputPower,
    RectifierLoss,
    Ends,
    Margin,
    CoreLoss,
    CoreRise,
    SwitchVoltage,
    Fill,
    DoesNotFit,
    CopperLoss,
    PartRise,
    Efficiency,
    Worse,
    WorseWindings,
    Count,
};

constexpr std::array<std::string_view, static_cast<std::size_t>(Say::Count)> kRussian = {
    "Выходы:",
    "витков ",
    " при ",
    " В",
    " А",
    ", падение ",
    "вторичка {S}: {N} (в списке {L}",
    ": без учета падения на выпрямителе)",
    "Выходная мощность=",
    "Потери в выпрямителях=",
    "При входном напряжении ",
    "Запас до насыщения=",
    "Потери в сердечнике=",
    "Перегрев сердечника=",
    "Напряжение на ключе=",
    "Заполнение окна=",
    " (не помещается)",
    "Потери в меди=",
    "Перегрев изделия=",
    "КПД=",
    "Худший случай: сердечник при ",
    ", обмотки при ",
};

constexpr std::array<std::string_view, static_cast<std::size_t>(Say::Count)> kEnglish = {
    "Outputs:",
    "turns ",
    " at ",
    " V",
    " A",
    ", drop ",
    "secondary {S}: {N} (the list has {L}",
    ": without the rectifier's drop)",
    "Output power=",
    "Rectifier loss=",
    "At an input voltage of ",
    "Saturation margin=",
    "Core loss=",
    "Core temperature rise=",
    "Switch voltage=",
    "Window fill=",
    " (does not fit)",
    "Copper loss=",
    "Temperature rise of the part=",
    "Efficiency=",
    "The worse end: the core at ",
    ", the windings at ",
};

class Texts {
public:
    explicit Texts(Language language) : language_(language) {}
    std::string operator()(Say key) const {
        const auto& column = language_ == Language::English ? kEnglish : kRussian;
        return std::string(column[static_cast<std::size_t>(key)]);
    }

private:
    Language language_;
};

void Replace(std::string& text, std::string_view key, const std::string& value) {
    if (const auto at = text.find(key); at != std::string::npos) {
        text.replace(at, key.size(), value);
    }
}

// A count of turns with its noun: "1 виток", "3 витка", "8 витков"; "8 turns".
std::string TurnsText(double turns, Language language, DecimalSeparator sep) {
    const std::string count = FormatValue(turns, kAsTyped, sep);
    if (language == Language::English) {
        return count + (turns == 1 ? " turn" : " turns");
    }
    const auto whole = static_cast<long long>(turns);
    const long long last = whole % 10;
    const long long tens = whole % 100;
    const bool teen = tens >= 11 && tens <= 14;
    if (last == 1 && !teen) {
        return count + " виток";
    }
    if (last >= 2 && last <= 4 && !teen) {
        return count + " витка";
    }
    return count + " витков";
}

}  // namespace

bool SecondWindingsWorse(const WindingCheck& first, const WindingCheck& second) {
    if (first.fits != second.fits) {
        return !second.fits;
    }
    if (first.efficiency && second.efficiency && *first.efficiency != *second.efficiency) {
        return *second.efficiency < *first.efficiency;
    }
    if (first.totalLoss && second.totalLoss) {
        return *second.totalLoss > *first.totalLoss;
    }
    return first.copperLoss && second.copperLoss && *second.copperLoss > *first.copperLoss;
}

ConverterRun RunConverter(const DesignRun& run, const Material* material, const CheckInputs& inputs,
                          std::span<const RoundWire> wires) {
    ConverterRun c;
    c.plan = PlanConverter(run.checked, inputs);
    c.check = RunConverterDesignCheck(run.checked, c.plan, material, inputs);
    c.windingsAtMin = RunWindingCheckAt(run, DesignAtInput(run.checked, c.plan, c.plan.inputMin),
                                        c.check.atMin, inputs, wires);
    c.windingsAtMax =
        c.plan.inUse ? RunWindingCheckAt(run, DesignAtInput(run.checked, c.plan, c.plan.inputMax),
                                         c.check.atMax, inputs, wires)
                     : c.windingsAtMin;
    c.windingsMaxIsWorse = SecondWindingsWorse(c.windingsAtMin, c.windingsAtMax);
    c.switchVoltageMin = SwitchVoltage(run.checked, c.plan.inputMin);
    c.switchVoltageMax = SwitchVoltage(run.checked, c.plan.inputMax);
    return c;
}

std::optional<double> OutputRmsCurrent(const ConverterRun& c, const ConverterOutputPlan& o) {
    for (const WindingSection& s : c.windingsAtMin.sections) {
        if (s.role == SectionRole::Secondary && (s.name == o.name || s.name == o.name + "a")) {
            return s.rmsCurrent;
        }
    }
    return std::nullopt;
}

std::vector<std::string> ConverterTextLines(const ConverterRun& c, DecimalSeparator sep,
                                            Language language) {
    std::vector<std::string> lines;
    const ConverterPlan& plan = c.plan;
    if (!plan.inUse || c.check.atMin.nothingToCheck) {
        return lines;
    }
    const Texts say(language);
    const auto number = [&](double value, NumberFormat format) {
        return FormatValue(value, format, sep);
    };
    const auto volts = [&](double value) { return number(value, kAsTyped) + say(Say::Volts); };
    const auto shown = [&](double value) { return number(value, Decimals(2)) + say(Say::Volts); };
    const std::string low = volts(plan.inputMin);
    const std::string high = volts(plan.inputMax);

    lines.push_back(say(Say::Outputs));
    for (const ConverterOutputPlan& o : plan.outputs) {
        std::string line = o.name + ": " + volts(o.voltage);
        if (o.current > 0) {
            line += ", " + number(o.current, kAsTyped) + say(Say::Amperes);
        }
        if (o.drop > 0) {
            line += say(Say::Drop) + volts(o.drop);
        }
        line += ": " + say(Say::Turns) + number(o.turns, kAsTyped) + ", " + shown(o.voltageAtMin) +
                say(Say::At) + low;
        if (plan.inputMax != plan.inputMin) {
            line += ", " + shown(o.voltageAtMax) + say(Say::At) + high;
        }
        lines.push_back(std::move(line));
    }
    if (plan.listTurns) {
        std::string note = say(Say::ListNote);
        Replace(note, "{S}", plan.outputs.front().name);
        Replace(note, "{N}", TurnsText(plan.outputs.front().turns, language, sep));
        Replace(note, "{L}", number(*plan.listTurns, kAsTyped));
        lines.push_back(note + say(Say::ListNoteEnd));
    }
    const std::string watts(PhraseText(Phrase::UnitWatt, language));
    lines.push_back(say(Say::OutputPower) + number(plan.outputPower, SignificantDigits(3)) + watts);
    if (plan.rectifierLoss > 0) {
        lines.push_back(say(Say::RectifierLoss) + number(plan.rectifierLoss, SignificantDigits(3)) +
                        watts);
    }

    // The figures of both ends, side by side where they differ.
    const bool range = plan.inputMax != plan.inputMin;
    lines.push_back(say(Say::Ends) + low + (range ? " / " + high : std::string()) + ":");
    const auto pair = [&](Say label, std::optional<double> a, std::optional<double> b,
                          NumberFormat format, double scale, std::string_view unit) {
        if (!a && !b) {
            return;
        }
        const auto one = [&](std::optional<double> v) {
            return v ? number(*v * scale, format) + std::string(unit) : std::string("—");
        };
        std::string line = say(label) + one(a);
        if (range && one(a) != one(b)) {
            line += " / " + one(b);
        }
        lines.push_back(std::move(line));
    };
    const DesignCheck& cmin = c.check.atMin;
    const DesignCheck& cmax = c.check.atMax;
    const WindingCheck& wmin = c.windingsAtMin;
    const WindingCheck& wmax = c.windingsAtMax;
    const std::string kelvin(PhraseText(Phrase::UnitKelvin, language));
    pair(Say::Margin, cmin.margin, cmax.margin, Decimals(1), 100, " %");
    pair(Say::CoreLoss, cmin.coreLoss, cmax.coreLoss, SignificantDigits(3), 1, watts);
    pair(Say::CoreRise, cmin.temperatureRise, cmax.temperatureRise, Decimals(1), 1, kelvin);
    pair(Say::SwitchVoltage, c.switchVoltageMin, c.switchVoltageMax, Decimals(1), 1,
         say(Say::Volts));
    if (!wmin.nothingToCheck && !wmax.nothingToCheck) {
        std::string fill = say(Say::Fill) + number(wmin.fill * 100, Decimals(1)) + " %" +
                           (wmin.fits ? "" : say(Say::DoesNotFit));
        if (range && (wmin.fill != wmax.fill || wmin.fits != wmax.fits)) {
            fill += " / " + number(wmax.fill * 100, Decimals(1)) + " %" +
                    (wmax.fits ? "" : say(Say::DoesNotFit));
        }
        lines.push_back(std::move(fill));
        pair(Say::CopperLoss, wmin.copperLoss, wmax.copperLoss, SignificantDigits(3), 1, watts);
        pair(Say::PartRise, wmin.temperatureRise, wmax.temperatureRise, Decimals(1), 1, kelvin);
        pair(Say::Efficiency, wmin.efficiency, wmax.efficiency, Decimals(1), 100, " %");
    }
    if (range) {
        std::string worse = say(Say::Worse) + (c.check.maxIsWorse ? high : low);
        if (!wmin.nothingToCheck && !wmax.nothingToCheck) {
            worse += say(Say::WorseWindings) + (c.windingsMaxIsWorse ? high : low);
        }
        lines.push_back(std::move(worse));
    }
    return lines;
}

}  // namespace transcalc
