#include "CliCheck.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <utility>

#include "CliOptions.h"
#include "CliReport.h"
#include "OptionParser.h"

namespace transcalc::cli {

const char* const kCheckUsage =
    R"(  design check options (after the results, for a design whose list is not red):
  --check           runs the check and prints its lines after the results list, then the
                    windings; with --json adds the objects "check" and "winding"
  --material NAME   also the material of the check (saturation and core loss)
  --temperature C   the core temperature in °C (default 100): -60 to 300, where
                    the models of copper and core hold
  --current A       choke: the DC current, 0 to 100000
  --ripple A        choke: the ripple current, peak to peak (needs --check-freq),
                    0 to 100000
  --check-freq KHZ  choke: the switching frequency: above 0, at most 10000
  --load-current A  forward modes (and --advise's flyback): the load current, which
                    sizes the windings: above 0, at most 100000
  --current-density A_PER_MM2
                    the current density that sizes the wires (default 4): above 0, at
                    most 100
)";

double NumberOption(std::string_view name, const std::string& text) {
    double number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(number)) {
        throw UsageError("--" + std::string(name) + " takes a number, not '" + text + "'");
    }
    return number;
}

void AddCheckOptions(OptionList& list, CheckOptions& check, const Language& language) {
    list.AddFlag("--check", check.run);
    struct Number {
        const char* name;
        CheckInput input;
        std::optional<double>* target;
    };
    const Number numbers[] = {
        {"temperature", CheckInput::Temperature, &check.temperature},
        {"current", CheckInput::DcCurrent, &check.current},
        {"ripple", CheckInput::Ripple, &check.ripple},
        {"check-freq", CheckInput::FrequencyKhz, &check.frequencyKhz},
        {"load-current", CheckInput::LoadCurrent, &check.loadCurrent},
        {"current-density", CheckInput::CurrentDensity, &check.currentDensity},
    };
    // Out of bounds is refused whether or not the check runs: the value would
    // go into a saved design all the same.
    for (const Number& number : numbers) {
        list.AddText(std::string("--") + number.name, [number, &language](const std::string& text) {
            const double value = NumberOption(number.name, text);
            if (const std::optional<Refusal> why = CheckInputOutOfBounds(number.input, value)) {
                throw UsageError("--" + std::string(number.name) + " " + text + ": " +
                                 why->In(language));
            }
            *number.target = value;
        });
    }
}

CheckInputs InputsOf(const CheckOptions& check, Language language) {
    CheckInputs inputs;
    inputs.temperature = check.temperature.value_or(inputs.temperature);
    inputs.dcCurrent = check.current;
    inputs.ripple = check.ripple;
    inputs.frequencyKhz = check.frequencyKhz;
    inputs.loadCurrent = check.loadCurrent;
    inputs.currentDensity = check.currentDensity.value_or(inputs.currentDensity);
    try {
        ValidateCheckInputs(inputs);
    } catch (const CheckInputError& error) {
        throw UsageError(error.In(language));
    }
    return inputs;
}

namespace {

const char* LossMethodKey(LossMethod method) {
    switch (method) {
        case LossMethod::Magnetics:
            return "magnetics";
        case LossMethod::Micrometals:
            return "micrometals";
        default:
            return "steinmetz";
    }
}

}  // namespace

nlohmann::ordered_json CheckJson(const DesignCheck& check) {
    const std::pair<const char*, const std::optional<double>&> values[] = {
        {"frequency", check.frequency},
        {"flux_swing", check.fluxSwing},
        {"flux_peak", check.fluxPeak},
        {"bsat", check.bsat},
        {"margin", check.margin},
        {"loss_density", check.lossDensity},
        {"core_loss", check.coreLoss},
        {"surface", check.surface},
        {"temperature_rise", check.temperatureRise},
        {"skin_depth", check.skinDepth},
        {"strands", check.strands},
        {"effective_area", check.effectiveArea},
        {"effective_length", check.effectiveLength},
        {"effective_volume", check.effectiveVolume},
        {"inductance", check.inductance},
        {"al_value", check.alValue},
        {"inductance_dc", check.inductanceDc},
        {"inductance_peak", check.inductancePeak},
        {"permeability_dc", check.permeabilityDc},
    };
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const auto& [key, value] : values) {
        json[key] = value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json();
    }
    json["above_curie"] = check.aboveCurie.has_value();
    json["loss_method"] = check.lossDensity
                              ? nlohmann::ordered_json(LossMethodKey(check.lossMethod))
                              : nlohmann::ordered_json();
    json["bias_warning"] = check.biasWarning;
    // Whether the loss lies outside the material's data; null without a loss.
    json["loss_extrapolated"] = check.lossDensity
                                    ? nlohmann::ordered_json(check.lossOutside.has_value())
                                    : nlohmann::ordered_json();
    // Whether its temperature factor is taken beyond the material's data.
    json["loss_temperature_extrapolated"] =
        check.lossDensity ? nlohmann::ordered_json(check.lossTemperatureOutside.has_value())
                          : nlohmann::ordered_json();
    return json;
}

nlohmann::ordered_json WindingJson(const WindingCheck& windings) {
    using Json = nlohmann::ordered_json;
    const auto number = [](const auto& value) { return value ? Json(*value) : Json(); };
    Json sections = Json::array();
    for (const WindingSection& s : windings.sections) {
        Json section = Json::object();
        section["name"] = s.name;
        section["turns"] = s.turns;
        section["rms_current"] = s.rmsCurrent;
        section["conductor_diameter"] = s.conductorDiameter;
        section["outer_diameter"] = s.outerDiameter;
        section["strands"] = s.strands;
        section["layers"] = number(s.layers);
        section["mean_turn_length"] = number(s.meanTurnLength);
        section["dc_resistance"] = number(s.dcResistance);
        section["ac_factor"] = number(s.acFactor);
        section["loss"] = number(s.loss);
        sections.push_back(std::move(section));
    }
    Json json = Json::object();
    json["current_density"] = windings.currentDensity;
    json["sections"] = std::move(sections);
    json["window"] = windings.window;
    json["on_bobbin"] = windings.onBobbin;
    json["build"] = windings.build;
    json["fill"] = windings.fill;
    json["copper_fill"] = windings.copperFill;
    json["fits"] = windings.fits;
    json["copper_loss"] = number(windings.copperLoss);
    json["total_loss"] = number(windings.totalLoss);
    json["temperature_rise"] = number(windings.temperatureRise);
    json["output_power"] = number(windings.outputPower);
    json["efficiency"] = number(windings.efficiency);
    return json;
}

}  // namespace transcalc::cli
