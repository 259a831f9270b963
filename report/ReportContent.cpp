#include "ReportContent.h"

#include <charconv>
#include <utility>

namespace transcalc {
namespace {

std::string CheckNumber(double value, DecimalSeparator separator) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    std::string shown(text, result.ptr);
    if (const auto point = shown.find('.'); point != std::string::npos) {
        shown.replace(point, 1, separator);
    }
    return shown;
}

}  // namespace

ReportContent ReportInputsOf(const Design& document, std::string name, std::string date,
                             DecimalSeparator separator) {
    ReportContent content;
    content.name = std::move(name);
    content.date = std::move(date);
    content.core = document.FirstCore();
    content.mode = document.mode;
    content.catalogueCore = document.catalogueCore;
    content.material = document.material;

    const InputFields& fields = document.fields;
    if (content.core) {
        const CoreKindInfo& core = InfoOf(*content.core);
        for (int i = 0; i < core.dimensionCount; ++i) {
            content.dimensions.push_back({std::string(core.dimensions[i]), fields.texts[i]});
        }
    }

    // Top to bottom as the window places them, with its captions.
    std::vector<ReportInput>& inputs = content.inputs;
    const auto add = [&](Field field, std::string_view caption = {}) {
        inputs.push_back(
            {std::string(caption.empty() ? InfoOf(field).caption : caption), fields[field]});
    };
    add(Field::Gap);
    const std::optional<WorkMode> mode = ModeOfText(document.mode);
    if (mode == WorkMode::Choke) {
        add(Field::ChokeTurns);
    }
    if (mode == WorkMode::Flyback) {
        add(Field::Overshoot);
    }
    add(Field::Permeability);
    add(Field::SatInduction);
    if (mode && mode != WorkMode::Choke) {
        add(Field::FrequencyOrPulse, InfoOf(*mode).timingCaption);
        add(Field::VoltageIn);
        add(Field::VoltageOut);
    }

    if (const std::optional<CheckInputs>& check = document.check) {
        const std::pair<const char*, std::optional<double>> values[] = {
            {"Температура сердечника, °C", check->temperature},
            {"Постоянный ток дросселя, А", check->dcCurrent},
            {"Размах пульсаций тока, А", check->ripple},
            {"Частота пульсаций, КГц", check->frequencyKhz},
            {"Ток нагрузки, А", check->loadCurrent},
            // The windings' heading names the density; a changed one is an input.
            {"Плотность тока, А/мм²", check->currentDensity != CheckInputs{}.currentDensity
                                          ? std::optional(check->currentDensity)
                                          : std::nullopt},
        };
        for (const auto& [caption, value] : values) {
            if (value) {
                inputs.push_back({caption, CheckNumber(*value, separator)});
            }
        }
    }
    return content;
}

ReportContent ReportOf(const Design& document, std::string name, std::string date,
                       DecimalSeparator separator, DesignRun* run,
                       const std::optional<CoreLetters>& letters) {
    ReportContent content = ReportInputsOf(document, std::move(name), std::move(date), separator);
    DesignRun done = RunDesign(document, separator, letters);
    content.results = done.list.lines;
    content.resultsRed = done.list.colour == ListColour::Red;
    content.error = done.error.value_or("");
    if (run != nullptr) {
        *run = std::move(done);
    }
    return content;
}

}  // namespace transcalc
