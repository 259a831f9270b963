#pragma once

#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "Language.h"

namespace transcalc {
struct CheckInputs;
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

// The "check" object of the JSON output: every key a number in SI units, or
// null where it does not apply.
nlohmann::ordered_json CheckJson(const DesignCheck& check);

// The "winding" object of the JSON output, in SI units, null where a value
// does not apply; for a check whose windings were checked.
nlohmann::ordered_json WindingJson(const WindingCheck& windings);

}  // namespace transcalc::cli
