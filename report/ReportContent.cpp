#include "ReportContent.h"

#include <limits>
#include <optional>
#include <utility>

#include "CoreShape.h"
#include "NumberFormat.h"
#include "ReportPhrases.h"

namespace transcalc {
namespace {

// A family core's name, effective area and path and its winding window (the
// bobbin's where one fits it), in mm; "—" where its letters leave no window.
std::vector<ReportInput> FamilyCoreRows(const std::string& name, const CatalogueFamilyCore& core,
                                        DecimalSeparator separator, Language language) {
    const CoreShape shape = CoreShape::OfFamily(core.core, core.bobbin);
    const std::optional<EffectiveParameters> effective = shape.Effective();
    const std::optional<WindingWindow> window = shape.Window();
    const auto mm = [separator](std::optional<double> metres, double scale) {
        return FormatValue(metres ? *metres * scale : std::numeric_limits<double>::quiet_NaN(),
                           SignificantDigits(3).Trimmed(), separator);
    };
    std::string windowText = mm(window ? std::optional(window->breadth) : std::nullopt, 1e3) +
                             " × " + mm(window ? std::optional(window->height) : std::nullopt, 1e3);
    if (!shape.WindsOnBobbin()) {
        windowText += ", " + std::string(ReportText(ReportPhrase::NoBobbin, language));
    }
    const auto caption = [language](ReportPhrase phrase) {
        return std::string(ReportText(phrase, language));
    };
    return {
        {caption(ReportPhrase::FamilyCoreName), name},
        {caption(ReportPhrase::FamilyCoreArea),
         mm(effective ? std::optional(effective->area) : std::nullopt, 1e6)},
        {caption(ReportPhrase::FamilyCorePath),
         mm(effective ? std::optional(effective->length) : std::nullopt, 1e3)},
        {caption(ReportPhrase::FamilyCoreWindow), windowText},
    };
}

}  // namespace

ReportContent ReportInputsOf(const Design& document, std::string name, std::string date,
                             DecimalSeparator separator, Language language) {
    ReportContent content;
    content.language = language;
    content.name = std::move(name);
    content.date = std::move(date);
    content.core = document.FirstCore();
    content.mode = document.mode;
    content.catalogueCore = document.catalogueCore;
    content.material = document.material;

    const InputFields& fields = document.fields;
    if (document.familyCore) {
        content.family = document.familyCore->core.family;
        content.dimensions =
            FamilyCoreRows(document.catalogueCore, *document.familyCore, separator, language);
    }
    if (content.core) {
        const CoreKindInfo& core = InfoOf(*content.core);
        for (int i = 0; i < core.dimensionCount; ++i) {
            content.dimensions.push_back({std::string(core.dimensions[i]), fields.texts[i]});
        }
    }

    // Top to bottom as the window places them, with its captions.
    std::vector<ReportInput>& inputs = content.inputs;
    const auto add = [&](Field field, std::string_view caption = {}) {
        inputs.push_back({std::string(caption.empty() ? FieldCaption(field, language) : caption),
                          fields[field]});
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
        add(Field::FrequencyOrPulse, TimingCaption(*mode, language));
        add(Field::VoltageIn);
        add(Field::VoltageOut);
    }

    if (const std::optional<CheckInputs>& check = document.check) {
        const std::pair<ReportPhrase, std::optional<double>> values[] = {
            {ReportPhrase::CoreTemperature, check->temperature},
            {ReportPhrase::ChokeCurrent, check->dcCurrent},
            {ReportPhrase::Ripple, check->ripple},
            {ReportPhrase::RippleFrequency, check->frequencyKhz},
            {ReportPhrase::LoadCurrent, check->loadCurrent},
            // The windings' heading names the density; a changed one is an input.
            {ReportPhrase::CurrentDensity, check->currentDensity != CheckInputs{}.currentDensity
                                               ? std::optional(check->currentDensity)
                                               : std::nullopt},
        };
        for (const auto& [caption, value] : values) {
            if (value) {
                // Every digit of the value as given.
                inputs.push_back({std::string(ReportText(caption, language)),
                                  FormatValue(*value, RoundTrip(), separator)});
            }
        }
    }
    return content;
}

ReportContent ReportOf(const Design& document, std::string name, std::string date,
                       DecimalSeparator separator, DesignRun* run,
                       const std::optional<CoreLetters>& letters, Language language) {
    ReportContent content =
        ReportInputsOf(document, std::move(name), std::move(date), separator, language);
    DesignRun done = RunDesign(document, separator, letters, language);
    content.results = done.list.lines;
    content.resultsRed = done.list.colour == ListColour::Red;
    content.error = done.error.value_or("");
    if (run != nullptr) {
        *run = std::move(done);
    }
    return content;
}

}  // namespace transcalc
