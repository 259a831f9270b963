#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DesignCheck.h"

namespace transcalc::cli {

struct RunReport;

// The design check options: --check and its inputs.
struct CheckOptions {
    bool run = false;                    // --check
    std::optional<double> temperature;   // --temperature C
    std::optional<double> current;       // --current A
    std::optional<double> ripple;        // --ripple A
    std::optional<double> frequencyKhz;  // --check-freq KHZ
};

extern const char* const kCheckUsage;

// Takes one check option; false when name is none of them. A value that is
// no number throws UsageError.
bool TakeCheckOption(std::string_view name, const std::function<std::string()>& value,
                     CheckOptions& check);

// The check's inputs. Throws UsageError for inputs the check cannot use.
CheckInputs InputsOf(const CheckOptions& check);

// The check of what one run left; letters: those of the catalogue core while
// the design holds it.
DesignCheck RunCheck(const RunReport& report, const CorePictures& cores, const Material* material,
                     const CheckInputs& inputs, const std::optional<CoreLetters>& letters);

// The "check" object of the JSON output: every key a number in SI units, or
// null where it does not apply.
std::string CheckJson(const DesignCheck& check);

}  // namespace transcalc::cli
