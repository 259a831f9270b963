#include "CliCheck.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <utility>

#include "CliOptions.h"
#include "CliReport.h"
#include "ConverterRun.h"
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
  transformer modes, the converter around the transformer (output 1 is --vout with
  --load-current):
  --output V:I[:NAME]
                    one more output of V volts and I amperes (repeatable: outputs 2 to
                    4, named S2 to S4 unless named)
  --drop V          every output's rectifier drop, 0 to 5 V
  --drop-n K=V      output K's rectifier drop (repeatable)
  --vin-min V, --vin-max V
                    the input range (default both --vin, which must lie within it);
                    the check and the windings run at both ends
                    With --output or a range and no drop given, every drop is 0.7 V;
                    without them the outputs have no drop, as the results list takes it.
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

namespace {

// "V:I[:NAME]": a colon between the parts, since a comma may be the
// decimal separator of the fields.
ConverterOutput OutputOf(const std::string& text, Language language) {
    const std::size_t first = text.find(':');
    const std::size_t second = first == std::string::npos ? first : text.find(':', first + 1);
    if (first == std::string::npos) {
        throw UsageError("--output takes V:I[:NAME], not '" + text + "'");
    }
    ConverterOutput output;
    output.voltage = NumberOption("output", text.substr(0, first));
    output.current = NumberOption("output", text.substr(first + 1, second - first - 1));
    if (second != std::string::npos) {
        output.name = text.substr(second + 1);
    }
    const std::pair<CheckInput, double> numbers[] = {{CheckInput::OutputVoltage, output.voltage},
                                                     {CheckInput::OutputCurrent, output.current}};
    for (const auto& [input, value] : numbers) {
        if (const std::optional<Refusal> why = CheckInputOutOfBounds(input, value)) {
            throw UsageError("--output " + text + ": " + why->In(language));
        }
    }
    for (const char c : output.name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            throw UsageError("--output " + text + ": the name holds a control character");
        }
    }
    return output;
}

// An option's number within the bounds of the check input it gives.
double BoundedNumber(const std::string& option, CheckInput input, const std::string& text,
                     Language language) {
    const double value = NumberOption(option, text);
    if (const std::optional<Refusal> why = CheckInputOutOfBounds(input, value)) {
        throw UsageError("--" + option + " " + text + ": " + why->In(language));
    }
    return value;
}

}  // namespace

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
        {"vin-min", CheckInput::InputVoltage, &check.inputMin},
        {"vin-max", CheckInput::InputVoltage, &check.inputMax},
    };
    list.AddRepeated("--output", check.outputs);
    list.AddRepeated("--drop-n", check.drops);
    list.AddText("--drop", [&check, &language](const std::string& text) {
        check.drop = BoundedNumber("drop", CheckInput::Drop, text, language);
    });
    // Out of bounds is refused whether or not the check runs: the value would
    // go into a saved design all the same.
    for (const Number& number : numbers) {
        list.AddText(std::string("--") + number.name, [number, &language](const std::string& text) {
            *number.target = BoundedNumber(number.name, number.input, text, language);
        });
    }
}

void ApplyConverter(const CheckOptions& check, CheckInputs& inputs, Language language) {
    const bool fromFile = check.fileDrop != 0 || !check.fileOutputs.empty() || check.fileInputMin ||
                          check.fileInputMax;
    const bool given = !check.outputs.empty() || check.inputMin || check.inputMax;
    // A new converter on the command line has real diodes; a file's drops are
    // as it was saved, and a classic design keeps the list's ideal rectifier.
    const double drop = given && !fromFile ? kDefaultDrop : 0;
    inputs.drop = fromFile ? check.fileDrop : drop;
    inputs.outputs = check.fileOutputs;
    if (!check.outputs.empty()) {
        inputs.outputs.clear();
        for (const std::string& text : check.outputs) {
            inputs.outputs.push_back(OutputOf(text, language));
            inputs.outputs.back().drop = kDefaultDrop;
        }
    }
    if (inputs.outputs.size() + 1 > static_cast<std::size_t>(kMaxOutputs)) {
        throw UsageError("--output: at most 3 outputs beside the first");
    }
    if (check.drop) {
        inputs.drop = *check.drop;
        for (ConverterOutput& output : inputs.outputs) {
            output.drop = *check.drop;
        }
    }
    for (const std::string& text : check.drops) {
        const std::size_t equals = text.find('=');
        const std::string number = text.substr(0, equals);
        int k = 0;
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), k);
        if (equals == std::string::npos || number.empty() || error != std::errc() ||
            end != number.data() + number.size() || k < 1 ||
            k > static_cast<int>(inputs.outputs.size()) + 1) {
            throw UsageError("--drop-n takes K=V with K an output from 1 to " +
                             std::to_string(inputs.outputs.size() + 1) + ", not '" + text + "'");
        }
        const double value =
            BoundedNumber("drop-n", CheckInput::Drop, text.substr(equals + 1), language);
        (k == 1 ? inputs.drop : inputs.outputs[static_cast<std::size_t>(k - 2)].drop) = value;
    }
    inputs.inputMin = check.inputMin ? check.inputMin : check.fileInputMin;
    inputs.inputMax = check.inputMax ? check.inputMax : check.fileInputMax;
}

CheckInputs InputsOf(const CheckOptions& check, Language language) {
    CheckInputs inputs;
    inputs.temperature = check.temperature.value_or(inputs.temperature);
    inputs.dcCurrent = check.current;
    inputs.ripple = check.ripple;
    inputs.frequencyKhz = check.frequencyKhz;
    inputs.loadCurrent = check.loadCurrent;
    inputs.currentDensity = check.currentDensity.value_or(inputs.currentDensity);
    ApplyConverter(check, inputs, language);
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

void AddConverterJson(nlohmann::ordered_json& json, const ConverterRun& c) {
    using Json = nlohmann::ordered_json;
    Json outputs = Json::array();
    for (const ConverterOutputPlan& o : c.plan.outputs) {
        Json output = Json::object();
        output["name"] = o.name;
        output["turns"] = o.turns;
        output["voltage_min"] = o.voltageAtMin;
        output["voltage_max"] = o.voltageAtMax;
        const std::optional<double> rms = OutputRmsCurrent(c, o);
        output["rms_current"] = rms ? Json(*rms) : Json();
        outputs.push_back(std::move(output));
    }
    json["outputs"] = std::move(outputs);
    json["output_power"] = c.plan.outputPower;
    json["rectifier_loss"] = c.plan.rectifierLoss;
    json["input_min"] = c.plan.inputMin;
    json["input_max"] = c.plan.inputMax;
    const auto end = [](const DesignCheck& check, double switchVoltage) {
        Json object = CheckRefused(check) || check.nothingToCheck ? Json() : CheckJson(check);
        if (object.is_object()) {
            object["switch_voltage"] = switchVoltage;
        }
        return object;
    };
    json["check_at_min"] = end(c.check.atMin, c.switchVoltageMin);
    json["check_at_max"] = end(c.check.atMax, c.switchVoltageMax);
    const auto windings = [](const WindingCheck& w) {
        return w.nothingToCheck ? Json() : WindingJson(w);
    };
    json["winding_at_min"] = windings(c.windingsAtMin);
    json["winding_at_max"] = windings(c.windingsAtMax);
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
