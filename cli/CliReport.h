#pragma once

#include <optional>
#include <string>

#include "DesignRun.h"

namespace transcalc::cli {

inline constexpr int kExitNormal = 0;
inline constexpr int kExitError = 2;
inline constexpr int kExitRed = 3;
inline constexpr int kExitUsage = 64;

int ExitStatus(const DesignRun& run);

// One JSON object: lines, colour, error and every design value.
// A number with 17 significant digits, which read back to the same double.
void AppendJsonNumber(std::string& out, double value);

// With the design check, its object "check" follows the state; a check that
// refused the design is null, with its text as "check_error".
std::string ToJson(const DesignRun& run, const std::optional<DesignCheck>& check = {});

}  // namespace transcalc::cli
