#pragma once

#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CheckInputs.h"

#include "Language.h"

namespace transcalc {
struct ConverterRun;
struct DesignCheck;
struct WindingCheck;
}  // namespace transcalc

namespace transcalc::cli {

class OptionList;

// The design check options: --check and its inputs.
struct CheckOptions {
    bool run = false;                      // --check
    std::optional<double> temperature;     // --temperature C
    std::optional<double> current;         // --current A
    std::optional<double> ripple;          // --ripple A
    std::optional<double> frequencyKhz;    // --check-freq KHZ
    std::optional<double> loadCurrent;     // --load-current A
    std::optional<double> currentDensity;  // --current-density A_PER_MM2
    // The converter:
    std::vector<std::string> outputs;  // --output V:I[:NAME], outputs 2…
    std::optional<double> drop;        // --drop V, every output's
    std::vector<std::string> drops;    // --drop-n K=V, output K's
    std::optional<double> inputMin;    // --vin-min V
    std::optional<double> inputMax;    // --vin-max V
    // What a design file kept of the converter, under the options above.
    double fileDrop = 0;
    std::vector<ConverterOutput> fileOutputs;
    std::optional<double> fileInputMin;
    std::optional<double> fileInputMax;
};

extern const char* const kCheckUsage;

// A number option's value, written with a point whatever the locale. Throws
// UsageError for a text that is no finite number.
double NumberOption(std::string_view name, const std::string& text);

// Adds --check and its inputs to list, each filling check. A value that is no
// number, or one out of its bounds, throws UsageError from the parse; the
// bounds are said in `language` as it stands when the values are taken (add
// --lang first).
void AddCheckOptions(OptionList& list, CheckOptions& check, const Language& language);

// The check's inputs. Throws UsageError, in the language, for inputs the
// check cannot use.
CheckInputs InputsOf(const CheckOptions& check, Language language);

// Every output's rectifier drop where a new design on the command line
// names more outputs or an input range without giving drops.
inline constexpr double kDefaultDrop = 0.7;

// The converter's inputs of the options into inputs: a design file's, then
// the options over them. Throws UsageError for a text that is no output or
// no drop, or a drop of an output that is not there.
void ApplyConverter(const CheckOptions& check, CheckInputs& inputs, Language language);

// The JSON output's keys of the converter: "outputs", "check_at_min",
// "check_at_max", and "check" the worse of the two.
void AddConverterJson(nlohmann::ordered_json& json, const ConverterRun& converter);

// The "check" object of the JSON output: every key a number in SI units, or
// null where it does not apply.
nlohmann::ordered_json CheckJson(const DesignCheck& check);

// The "winding" object of the JSON output, in SI units, null where a value
// does not apply; for a check whose windings were checked.
nlohmann::ordered_json WindingJson(const WindingCheck& windings);

}  // namespace transcalc::cli
