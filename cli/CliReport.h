#pragma once

#include <optional>
#include <string>

#include "Command.h"
#include "DesignState.h"
#include "ResultsList.h"

namespace transcalc::cli {

// What one run leaves: the list as the window would show it, the error box
// text if there was one, and the design state.
struct RunReport {
    RecordedList list;
    DesignState state;
    CommandOutcome outcome;
};

inline constexpr int kExitNormal = 0;
inline constexpr int kExitError = 2;
inline constexpr int kExitRed = 3;
inline constexpr int kExitUsage = 64;

int ExitStatus(const RunReport& report);

// One JSON object: lines, colour, error and every design value.
// A number with 17 significant digits, which read back to the same double.
void AppendJsonNumber(std::string& out, double value);

// With the design check, its object "check" follows the state.
std::string ToJson(const RunReport& report, const std::optional<std::string>& checkJson = {});

}  // namespace transcalc::cli
