#include "WindingText.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "NumberFormat.h"
#include "Phrases.h"
#include "WindingColumns.h"

namespace transcalc {
namespace {

// Every text of the windings in Russian and in English, in the order of Say's keys.
enum class Say : std::size_t {
    Heading,
    HeadingUnit,
    TurnsLabel,
    WireLabel,
    LayersLabel,
    TurnLengthLabel,
    ResistanceLabel,
    AcFactorLabel,
    LossLabel,
    Watts,
    Kelvin,
    Percent,
    NotPlaced,
    Fill,
    FillNote,
    FillNoteBobbin,
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
    "витков ",
    "провод ",
    "слоев ",
    "средний виток ",
    "Rdc ",
    "Kac ",
    "потери ",
    " Вт",
    " К",
    " %",
    "не помещается в окно",
    "Заполнение окна=",
    " (без учета каркаса и изоляции)",
    " (в окне каркаса, без учета изоляции)",
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
    "turns ",
    "wire ",
    "layers ",
    "mean turn ",
    "R_dc at {T} °C ",
    "Kac ",
    "loss ",
    " W",
    " K",
    " %",
    "does not fit in the window",
    "Window fill=",
    " (without the bobbin and the insulation)",
    " (in the bobbin's window, without the insulation)",
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

std::string Shown(WindingColumn column, double value, DecimalSeparator separator) {
    return FormatValue(value, ColumnOf(column).format, separator);
}

// A figure that is not a column's, with its unit.
std::string Figure(double value, NumberFormat format, DecimalSeparator separator,
                   const std::string& unit) {
    return FormatValue(value, format, separator) + unit;
}

constexpr std::string_view kNone = "—";

}  // namespace

std::vector<std::string> WindingRow(const WindingSection& s, DecimalSeparator sep) {
    // scale: from SI units to the column's.
    const auto shown = [&](WindingColumn column, const std::optional<double>& value,
                           double scale = 1) {
        return value ? Shown(column, *value * scale, sep) : std::string(kNone);
    };
    return {
        s.name,
        Shown(WindingColumn::Turns, s.turns, sep),
        Shown(WindingColumn::Wire, s.conductorDiameter * 1000, sep) + " × " +
            std::to_string(s.strands),
        s.layers ? Shown(WindingColumn::Layers, *s.layers, sep) : std::string(kNone),
        shown(WindingColumn::MeanTurn, s.meanTurnLength, 1000),
        shown(WindingColumn::Resistance, s.dcResistance),
        shown(WindingColumn::AcFactor, s.acFactor),
        shown(WindingColumn::Loss, s.loss),
    };
}

WindingTable WindingTableOf(const WindingCheck& c, DecimalSeparator sep, Language language) {
    const Texts say(language, FormatNumber(c.temperature, sep));
    WindingTable table;
    if (c.nothingToCheck) {
        table.lines.emplace_back(TranslatedText(*c.nothingToCheck, language));
        return table;
    }
    table.heading = say(Say::Heading) + FormatValue(c.currentDensity / 1e6, kAsTyped, sep) +
                    say(Say::HeadingUnit);
    for (const TableColumn& column : kWindingColumns) {
        table.columns.push_back(ColumnCaption(column, language));
    }
    for (const WindingSection& s : c.sections) {
        table.rows.push_back(WindingRow(s, sep));
    }
    const std::string watts = say(Say::Watts);
    const std::string percent = say(Say::Percent);
    std::vector<std::string>& lines = table.lines;
    lines.push_back(say(Say::Fill) + Figure(c.fill * 100, Decimals(1), sep, percent) +
                    (c.fits ? "" : say(Say::DoesNotFit)) +
                    say(c.onBobbin ? Say::FillNoteBobbin : Say::FillNote));
    lines.push_back(say(Say::CopperFill) + Figure(c.copperFill * 100, Decimals(1), sep, percent));
    if (!c.copperLoss) {
        lines.push_back(say(Say::CopperLossNone));
    } else {
        lines.push_back(say(Say::CopperLoss) +
                        Figure(*c.copperLoss, SignificantDigits(3), sep, watts));
        lines.push_back(c.totalLoss ? say(Say::TotalLoss) +
                                          Figure(*c.totalLoss, SignificantDigits(3), sep, watts)
                                    : say(Say::TotalLossNone));
    }
    if (c.temperatureRise) {
        lines.push_back(say(Say::TemperatureRise) +
                        Figure(*c.temperatureRise, Decimals(1), sep, say(Say::Kelvin)));
    }
    if (c.outputPower) {
        lines.push_back(say(Say::OutputPower) +
                        Figure(*c.outputPower, SignificantDigits(3), sep, watts));
    }
    if (c.efficiency) {
        lines.push_back(say(Say::Efficiency) +
                        Figure(*c.efficiency * 100, Decimals(1), sep, percent));
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
    // Each cell after its label and before its column's unit; a section that
    // found no place ends after its wire.
    constexpr std::array<std::pair<Say, WindingColumn>, 7> kLabels = {{
        {Say::TurnsLabel, WindingColumn::Turns},
        {Say::WireLabel, WindingColumn::Wire},
        {Say::LayersLabel, WindingColumn::Layers},
        {Say::TurnLengthLabel, WindingColumn::MeanTurn},
        {Say::ResistanceLabel, WindingColumn::Resistance},
        {Say::AcFactorLabel, WindingColumn::AcFactor},
        {Say::LossLabel, WindingColumn::Loss},
    }};
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const std::vector<std::string>& row = table.rows[i];
        const WindingSection& s = c.sections[i];
        std::string line = row[0] + ":";
        for (std::size_t k = 0; k < kLabels.size(); ++k) {
            const auto [label, column] = kLabels[k];
            const std::string& cell = row[static_cast<std::size_t>(column)];
            if (column == WindingColumn::Layers && !s.layers) {
                line += ", " + say(Say::NotPlaced);
                break;
            }
            line += (k == 0 ? " " : ", ") + say(label) + cell;
            const std::string_view unit = ColumnUnit(ColumnOf(column), language);
            if (unit.empty() || cell == kNone) {
                continue;
            }
            // The wire's unit goes between its diameter and its strands.
            const std::size_t at = column == WindingColumn::Wire ? line.rfind(" × ") : line.size();
            line.insert(at, " " + std::string(unit));
        }
        lines.push_back(std::move(line));
    }
    lines.insert(lines.end(), table.lines.begin(), table.lines.end());
    return lines;
}

}  // namespace transcalc
