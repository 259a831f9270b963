#include "CheckText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace transcalc {
namespace {

const char* const kEstimate = " (оценка ±35 %)=";

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

std::string Tesla(double value, DecimalSeparator separator) {
    return Fixed(value, 3, separator) + " Тл";
}

std::string NoLossText(NoLoss reason) {
    switch (reason) {
        case NoLoss::NoMaterial:
            return "материал не задан";
        case NoLoss::NoSteinmetz:
            return "у материала нет данных о потерях";
        case NoLoss::NoFitAtTemperature:
            return "данные о потерях материала не годятся при этой температуре";
        default:
            return "задайте ток, пульсации и частоту";
    }
}

// The core's effective parameters beside the results list's own.
void AddCore(const DesignCheck& c, DecimalSeparator sep, std::vector<CheckLine>& lines) {
    if (!c.effectiveArea) {
        return;
    }
    // scale: from SI units to the unit shown.
    const auto besideList = [&](double value, const std::optional<double>& list, double scale,
                                const char* unit) {
        std::string text = Significant(value * scale, sep) + unit;
        if (list) {
            text += " (в расчете " + Significant(*list * scale, sep) + unit + ")";
        }
        return text;
    };
    lines.push_back(
        {"Эффективное сечение Ae=", besideList(*c.effectiveArea, c.listArea, 1e4, " см²"),
         "по IEC 60205; по нему считается индукция"});
    lines.push_back(
        {"Эффективная длина le=", besideList(*c.effectiveLength, c.listLength, 100, " см"),
         "по IEC 60205; в расчете — средняя линия"});
    lines.push_back({"Эффективный объем Ve=", Significant(*c.effectiveVolume * 1e6, sep) + " см³",
                     "объем, в котором теряется мощность"});
}

void AddFlux(const DesignCheck& c, DecimalSeparator sep, std::vector<CheckLine>& lines) {
    if (c.material) {
        lines.push_back({"Материал=", *c.material, "по его данным насыщения и потерь"});
    }
    AddCore(c, sep, lines);
    if (c.frequency) {
        lines.push_back({"Частота=", Fixed(*c.frequency / 1000, 1, sep) + " кГц",
                         "частота перемагничивания сердечника"});
    } else {
        lines.push_back({"Частота=", "не задана", "без частоты потери и скин-слой не оцениваются"});
    }
    if (c.fluxSwing) {
        lines.push_back(
            {"Размах индукции ΔB=", Tesla(*c.fluxSwing, sep), "полный размах индукции за период"});
    }
    const bool atMaxCurrent = c.mode == WorkMode::Choke && !c.fluxSwing;
    lines.push_back(
        {"Пиковая индукция Bпик=", Tesla(*c.fluxPeak, sep),
         atMaxCurrent ? "при максимальном токе дросселя" : "наибольшая индукция в сердечнике"});
    lines.push_back({"Заданная индукция dB=", FormatNumber(c.enteredDb, sep) + " Тл",
                     "индукция, на которую рассчитаны витки"});

    const std::string atTemperature =
        "Индукция насыщения при " + FormatNumber(c.temperature, sep) + " °C=";
    if (!c.bsat) {
        lines.push_back({atTemperature, c.material ? "нет данных о насыщении" : "материал не задан",
                         "пиковая индукция сравнивается только с заданной dB"});
        return;
    }
    lines.push_back({atTemperature, Tesla(*c.bsat, sep), "выше нее сердечник насыщается"});
    const bool saturates = *c.margin < 0;
    lines.push_back({"Запас до насыщения=", Fixed(*c.margin * 100, 1, sep) + " %",
                     saturates ? "сердечник насыщается: снизьте dB или возьмите больше витков"
                               : "на столько пиковая индукция ниже насыщения",
                     saturates});
}

void AddHeat(const DesignCheck& c, DecimalSeparator sep, std::vector<CheckLine>& lines) {
    if (!c.coreLoss) {
        lines.push_back(
            {"Потери в сердечнике=", NoLossText(c.noLoss), "потери в сердечнике не оцениваются"});
    } else {
        std::string density = Significant(*c.lossDensity * 1e-6, sep) + " Вт/см³";
        const char* meaning = "мощность, которую теряет 1 см³ материала";
        if (c.lossOutside) {
            density += " (за пределами данных материала: " + Plain(c.lossOutside->low / 1000, sep) +
                       "–" + Plain(c.lossOutside->high / 1000, sep) + " кГц)";
            meaning =
                "данные материала на эту частоту не распространяются: потери экстраполированы";
        }
        lines.push_back({std::string("Удельные потери") + kEstimate, density, meaning});
        lines.push_back({std::string("Потери в сердечнике") + kEstimate,
                         Significant(*c.coreLoss, sep) + " Вт", "тепло, выделяемое сердечником"});
    }
    if (c.surface) {
        lines.push_back({"Поверхность сердечника=", Fixed(*c.surface * 1e4, 1, sep) + " см²",
                         "через нее сердечник отдает тепло"});
    }
    if (c.temperatureRise) {
        lines.push_back({"Перегрев сердечника=", Fixed(*c.temperatureRise, 1, sep) + " К",
                         "добавляется к температуре вокруг изделия"});
    }
}

void AddCopper(const DesignCheck& c, DecimalSeparator sep, std::vector<CheckLine>& lines) {
    if (c.skinDepth) {
        lines.push_back({"Глубина скин-слоя δ=", Fixed(*c.skinDepth * 1000, 3, sep) + " мм",
                         "ток частоты переключения идет в слое этой толщины"});
    }
    if (!c.wireDiameter) {
        return;
    }
    const bool thick = c.strands.has_value();
    lines.push_back(
        {"Диаметр провода=", Fixed(*c.wireDiameter * 1000, 3, sep) + " мм",
         thick ? "толще 2δ: сечение используется не полностью" : "не толще 2δ: скин-эффект мал"});
    if (thick) {
        lines.push_back({"Жил диаметром 2δ=", Fixed(*c.strands, 0, sep),
                         "столько жил дают ту же площадь меди"});
    }
}

}  // namespace

std::vector<CheckLine> CheckLines(const DesignCheck& check, DecimalSeparator separator) {
    if (check.nothingToCheck) {
        return {{*check.nothingToCheck, "", ""}};
    }
    std::vector<CheckLine> lines;
    AddFlux(check, separator, lines);
    AddHeat(check, separator, lines);
    AddCopper(check, separator, lines);
    return lines;
}

std::vector<std::string> CheckTextLines(const DesignCheck& check, DecimalSeparator separator) {
    std::vector<std::string> texts;
    for (const CheckLine& line : CheckLines(check, separator)) {
        texts.push_back(line.label + line.value);
    }
    return texts;
}

}  // namespace transcalc
