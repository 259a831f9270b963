#include "WindingText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <utility>

#include "Phrases.h"

namespace transcalc {
namespace {

// Every text of the windings in Russian and in English, in the order of Say's keys.
enum class Say : std::size_t {
    Heading,
    HeadingUnit,
    Section,
    Turns,
    Wire,
    Layers,
    TurnLength,
    Resistance,
    AcFactor,
    Loss,
    TurnsLabel,
    WireLabel,
    LayersLabel,
    TurnLengthLabel,
    ResistanceLabel,
    AcFactorLabel,
    LossLabel,
    NoUnit,
    Millimetres,
    Ohms,
    Watts,
    Kelvin,
    Percent,
    NotPlaced,
    Fill,
    FillNote,
    DoesNotFit,
    CopperFill,
    CopperLoss,
    CopperLossNone,
    TotalLoss,
    TotalLossNone,
    TemperatureRise,
    OutputPower,
    Efficiency,
    Estimate,
    Count,
};

constexpr std::array<std::string_view, static_cast<std::size_t>(Say::Count)> kRussian = {
    "Обмотки при плотности тока ",
    " А/мм²:",
    "Обмотка",
    "Витков",
    "Провод, мм",
    "Слоев",
    "Ср. виток, мм",
    "Rdc, Ом",
    "Kac",
    "Потери, Вт",
    "витков ",
    "провод ",
    "слоев ",
    "средний виток ",
    "Rdc ",
    "Kac ",
    "потери ",
    "",
    " мм",
    " Ом",
    " Вт",
    " К",
    " %",
    "не помещается в окно",
    "Заполнение окна=",
    " (без учета каркаса и изоляции)",
    " — обмотка не помещается",
    "Заполнение окна медью=",
    "Потери в меди (оценка)=",
    "Потери в меди=не оцениваются: обмотка не помещается в окно",
    "Потери в сердечнике и меди=",
    "Потери в сердечнике и меди=без потерь в сердечнике не оцениваются",
    "Перегрев изделия=",
    "Выходная мощность=",
    "КПД=",
    "Потери в меди — оценка: поле каждой секции нарастает от нуля у ее внутренней "
    "стороны, соседние обмотки не учитываются",
};

constexpr std::array<std::string_view, static_cast<std::size_t>(Say::Count)> kEnglish = {
    "Windings at a current density of ",
    " A/mm²:",
    "Winding",
    "Turns",
    "Wire, mm",
    "Layers",
    "Mean turn, mm",
    "R_dc at {T} °C, Ω",
    "Kac",
    "Loss, W",
    "turns ",
    "wire ",
    "layers ",
    "mean turn ",
    "R_dc at {T} °C ",
    "Kac ",
    "loss ",
    "",
    " mm",
    " Ω",
    " W",
    " K",
    " %",
    "does not fit in the window",
    "Window fill=",
    " (without the bobbin and the insulation)",
    " — the winding does not fit",
    "Copper fill of the window=",
    "Copper loss (estimate)=",
    "Copper loss=not estimated: the winding does not fit in the window",
    "Core and copper loss=",
    "Core and copper loss=not estimated without the core loss",
    "Temperature rise of the part=",
    "Output power=",
    "Efficiency=",
    "The copper loss is an estimate: the field of each section is taken to rise from zero at "
    "its inner side, and neighbouring windings are not counted",
};

// The texts of one language, with the copper's temperature in place of {T}.
class Texts {
public:
    Texts(Language language, std::string temperature)
        : language_(language), temperature_(std::move(temperature)) {}
    std::string operator()(Say key) const {
        const auto& column = language_ == Language::English ? kEnglish : kRussian;
        std::string text(column[static_cast<std::size_t>(key)]);
        if (const auto at = text.find("{T}"); at != std::string::npos) {
            text.replace(at, 3, temperature_);
        }
        return text;
    }

private:
    Language language_;
    std::string temperature_;
};

// Fixed notation with the given decimals, whatever the locale.
std::string Fixed(double value, int decimals, DecimalSeparator separator) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    std::string text(buffer, end);
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, separator);
    }
    return text;
}

// Three significant digits, for values that span decades.
std::string Significant(double value, DecimalSeparator separator) {
    if (value == 0) {
        return Fixed(value, 0, separator);
    }
    const int decimals = 2 - static_cast<int>(std::floor(std::log10(std::abs(value))));
    return Fixed(value, decimals < 0 ? 0 : decimals > 9 ? 9 : decimals, separator);
}

constexpr std::string_view kNone = "—";

// The cells of one section, in the columns' order after its name.
std::vector<std::string> Cells(const WindingSection& s, DecimalSeparator sep) {
    const auto optional = [](const std::optional<std::string>& text) {
        return text.value_or(std::string(kNone));
    };
    const auto map = [](const auto& value, auto shown) -> std::optional<std::string> {
        return value ? std::optional<std::string>(shown(*value)) : std::nullopt;
    };
    return {
        FormatNumber(s.turns, sep),
        Fixed(s.conductorDiameter * 1000, 3, sep) + " × " + std::to_string(s.strands),
        optional(map(s.layers, [](int m) { return std::to_string(m); })),
        optional(map(s.meanTurnLength, [&](double l) { return Fixed(l * 1000, 1, sep); })),
        optional(map(s.dcResistance, [&](double r) { return Significant(r, sep); })),
        optional(map(s.acFactor, [&](double k) { return Fixed(k, 2, sep); })),
        optional(map(s.loss, [&](double p) { return Significant(p, sep); })),
    };
}

}  // namespace

WindingTable WindingTableOf(const WindingCheck& c, DecimalSeparator sep, Language language) {
    const Texts say(language, FormatNumber(c.temperature, sep));
    WindingTable table;
    if (c.nothingToCheck) {
        table.lines.emplace_back(TranslatedText(*c.nothingToCheck, language));
        return table;
    }
    table.heading =
        say(Say::Heading) + FormatNumber(c.currentDensity / 1e6, sep) + say(Say::HeadingUnit);
    for (const Say column : {Say::Section, Say::Turns, Say::Wire, Say::Layers, Say::TurnLength,
                             Say::Resistance, Say::AcFactor, Say::Loss}) {
        table.columns.push_back(say(column));
    }
    for (const WindingSection& s : c.sections) {
        std::vector<std::string> row = {s.name};
        for (std::string& cell : Cells(s, sep)) {
            row.push_back(std::move(cell));
        }
        table.rows.push_back(std::move(row));
    }
    std::vector<std::string>& lines = table.lines;
    lines.push_back(say(Say::Fill) + Fixed(c.fill * 100, 1, sep) + say(Say::Percent) +
                    (c.fits ? "" : say(Say::DoesNotFit)) + say(Say::FillNote));
    lines.push_back(say(Say::CopperFill) + Fixed(c.copperFill * 100, 1, sep) + say(Say::Percent));
    if (!c.copperLoss) {
        lines.push_back(say(Say::CopperLossNone));
    } else {
        lines.push_back(say(Say::CopperLoss) + Significant(*c.copperLoss, sep) + say(Say::Watts));
        lines.push_back(c.totalLoss
                            ? say(Say::TotalLoss) + Significant(*c.totalLoss, sep) + say(Say::Watts)
                            : say(Say::TotalLossNone));
    }
    if (c.temperatureRise) {
        lines.push_back(say(Say::TemperatureRise) + Fixed(*c.temperatureRise, 1, sep) +
                        say(Say::Kelvin));
    }
    if (c.outputPower) {
        lines.push_back(say(Say::OutputPower) + Significant(*c.outputPower, sep) + say(Say::Watts));
    }
    if (c.efficiency) {
        lines.push_back(say(Say::Efficiency) + Fixed(*c.efficiency * 100, 1, sep) +
                        say(Say::Percent));
    }
    lines.push_back(say(Say::Estimate));
    return table;
}

std::vector<std::string> WindingTextLines(const WindingCheck& c, DecimalSeparator sep,
                                          Language language) {
    const Texts say(language, FormatNumber(c.temperature, sep));
    const WindingTable table = WindingTableOf(c, sep, language);
    if (c.nothingToCheck) {
        return table.lines;
    }
    std::vector<std::string> lines = {table.heading};
    // Each cell after its label and before its unit; a section that found no
    // place ends after its wire.
    constexpr std::array<std::pair<Say, Say>, 7> kLabels = {{
        {Say::TurnsLabel, Say::NoUnit},
        {Say::WireLabel, Say::NoUnit},
        {Say::LayersLabel, Say::NoUnit},
        {Say::TurnLengthLabel, Say::Millimetres},
        {Say::ResistanceLabel, Say::Ohms},
        {Say::AcFactorLabel, Say::NoUnit},
        {Say::LossLabel, Say::Watts},
    }};
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const std::vector<std::string>& row = table.rows[i];
        const WindingSection& s = c.sections[i];
        std::string line = row[0] + ":";
        for (std::size_t k = 0; k < kLabels.size(); ++k) {
            const std::string& cell = row[k + 1];
            if (k == 2 && !s.layers) {
                line += ", " + say(Say::NotPlaced);
                break;
            }
            line += (k == 0 ? " " : ", ") + say(kLabels[k].first) + cell;
            if (k == 1) {
                line.replace(line.rfind(" × "), 0, say(Say::Millimetres));
            } else if (cell != kNone) {
                line += say(kLabels[k].second);
            }
        }
        lines.push_back(std::move(line));
    }
    lines.insert(lines.end(), table.lines.begin(), table.lines.end());
    return lines;
}

}  // namespace transcalc
