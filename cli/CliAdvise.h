#pragma once

#include <cstddef>
#include <optional>

namespace transcalc {
struct AdviserInputs;
}  // namespace transcalc

namespace transcalc::cli {

class OptionList;

struct CliOptions;

// The core adviser's own options; it also takes --mode, the field options,
// --material, --core, --separator, --json and the check's inputs.
struct AdviseOptions {
    bool run = false;                     // --advise
    std::optional<double> marginPercent;  // --margin PERCENT
    std::optional<double> maxRise;        // --max-rise K
    std::optional<double> inductanceMh;   // --inductance MH
    std::optional<std::size_t> limit;     // --limit N
};

extern const char* const kAdviseUsage;

// Adds --advise and its options to list, each filling advise. A value that is
// no number throws UsageError from the parse.
void AddAdviseOptions(OptionList& list, AdviseOptions& advise);

// The adviser's inputs from the options. Throws UsageError for inputs it
// cannot search with.
AdviserInputs AdviserInputsOf(const CliOptions& options);

// Runs the search and prints its table, or the JSON object with "advice" and
// "ruled_out"; returns the exit status.
int RunAdvise(const CliOptions& options);

}  // namespace transcalc::cli
