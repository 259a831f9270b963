#include "ReportContent.h"

#include <charconv>
#include <utility>

#include "Command.h"

namespace transcalc {
namespace {

// The window's captions (L_C.ui and the menu commands).
constexpr const char* kRingCaptions[] = {"D1", "D2", "H"};
constexpr const char* kShapedCaptions[] = {"H1", "H2", "L1", "L2"};

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

ReportContent ReportInputsOf(const DesignDocument& document, std::string name, std::string date,
                             DecimalSeparator separator) {
    ReportContent content;
    content.name = std::move(name);
    content.date = std::move(date);
    content.core = document.core;
    content.mode = document.mode;
    content.catalogueCore = document.catalogueCore;
    content.material = document.material;

    const InputFields& fields = document.fields;
    if (document.core) {
        const bool ring = *document.core == CoreKind::Ring;
        const int count = ring ? 3 : 4;
        for (int i = 0; i < count; ++i) {
            content.dimensions.push_back(
                {ring ? kRingCaptions[i] : kShapedCaptions[i], fields.texts[i]});
        }
    }

    // Top to bottom as the window places them.
    std::vector<ReportInput>& inputs = content.inputs;
    inputs.push_back({"Зазор сердечника", fields[Field::Gap]});
    const std::optional<WorkMode> mode = ModeOfText(document.mode);
    if (mode == WorkMode::Choke) {
        inputs.push_back({"Количество витков дросселя", fields[Field::ChokeTurns]});
    }
    if (mode == WorkMode::Flyback) {
        inputs.push_back({"U выброса допустимое", fields[Field::Overshoot]});
    }
    inputs.push_back({"Проницаемость", fields[Field::Permeability]});
    inputs.push_back({"dB - Индукция насыщения", fields[Field::SatInduction]});
    if (mode && mode != WorkMode::Choke) {
        inputs.push_back({mode == WorkMode::Flyback ? "Длительность импульса МкСек" : "Частота КГц",
                          fields[Field::FrequencyOrPulse]});
        inputs.push_back({"Вход напряжение", fields[Field::VoltageIn]});
        inputs.push_back({"Выход напряжение", fields[Field::VoltageOut]});
    }

    const std::pair<const char*, std::optional<double>> check[] = {
        {"Температура сердечника, °C", document.temperature},
        {"Постоянный ток дросселя, А", document.dcCurrent},
        {"Размах пульсаций тока, А", document.ripple},
        {"Частота пульсаций, КГц", document.checkFrequency},
    };
    for (const auto& [caption, value] : check) {
        if (value) {
            inputs.push_back({caption, CheckNumber(*value, separator)});
        }
    }
    return content;
}

ReportContent ReportOf(const DesignDocument& document, std::string name, std::string date,
                       DecimalSeparator separator, CheckedDesign* checked,
                       const std::optional<CoreLetters>& letters) {
    ReportContent content = ReportInputsOf(document, std::move(name), std::move(date), separator);
    RecordedList list;
    DesignState state;
    state.Mode = document.mode;
    const CorePictures cores = document.core ? CorePictures::Of(*document.core) : CorePictures{};
    const CommandOutcome outcome = RunCommand(document.fields, cores, state, list, separator);
    content.results = std::move(list.lines);
    content.resultsRed = list.colour == ListColour::Red;
    content.error = outcome.error.value_or("");
    if (checked != nullptr) {
        *checked = CheckedDesignOf(outcome, list.colour, state, cores, letters);
    }
    return content;
}

}  // namespace transcalc
