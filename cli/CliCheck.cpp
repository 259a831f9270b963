#include "CliCheck.h"

#include <charconv>
#include <cmath>

#include "CliOptions.h"
#include "CliReport.h"

namespace transcalc::cli {

const char* const kCheckUsage =
    R"(  design check options (after the results, for a design whose list is not red):
  --check           runs the check and prints its lines after the results list; with
                    --json adds the object "check"
  --material NAME   also the material of the check (saturation and core loss)
  --temperature C   the core temperature in °C (default 100)
  --current A       choke: the DC current
  --ripple A        choke: the ripple current, peak to peak (needs --check-freq)
  --check-freq KHZ  choke: the switching frequency
)";

namespace {

// Numbers of the check options are written with a point, whatever the locale.
double NumberOption(std::string_view name, const std::string& text) {
    double number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(number)) {
        throw UsageError("--" + std::string(name) + " takes a number, not '" + text + "'");
    }
    return number;
}

void AppendNumber(std::string& out, const std::optional<double>& value) {
    if (value) {
        AppendJsonNumber(out, *value);
    } else {
        out += "null";
    }
}

void AppendKey(std::string& out, const char* key) {
    if (out.size() > 1) {
        out += ", ";
    }
    out += '"';
    out += key;
    out += "\": ";
}

}  // namespace

bool TakeCheckOption(std::string_view name, const std::function<std::string()>& value,
                     CheckOptions& check) {
    std::optional<double>* target = name == "temperature"  ? &check.temperature
                                    : name == "current"    ? &check.current
                                    : name == "ripple"     ? &check.ripple
                                    : name == "check-freq" ? &check.frequencyKhz
                                                           : nullptr;
    if (target != nullptr) {
        *target = NumberOption(name, value());
        return true;
    }
    return false;
}

CheckInputs InputsOf(const CheckOptions& check) {
    CheckInputs inputs;
    inputs.temperature = check.temperature.value_or(inputs.temperature);
    inputs.dcCurrent = check.current;
    inputs.ripple = check.ripple;
    inputs.frequencyKhz = check.frequencyKhz;
    try {
        ValidateCheckInputs(inputs);
    } catch (const CheckInputError& error) {
        throw UsageError(error.what());
    }
    return inputs;
}

DesignCheck RunCheck(const RunReport& report, const CorePictures& cores, const Material* material,
                     const CheckInputs& inputs, const std::optional<CoreLetters>& letters) {
    return RunDesignCheck(
        CheckedDesignOf(report.outcome, report.list.colour, report.state, cores, letters), material,
        inputs);
}

std::string CheckJson(const DesignCheck& check) {
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
    };
    std::string out = "{";
    for (const auto& [key, value] : values) {
        AppendKey(out, key);
        AppendNumber(out, value);
    }
    // Whether the loss lies outside the material's data; null without a loss.
    AppendKey(out, "loss_extrapolated");
    out += !check.lossDensity ? "null" : check.lossOutside ? "true" : "false";
    return out + "}";
}

}  // namespace transcalc::cli
