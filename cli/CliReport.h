#pragma once

#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>

#include "DesignRun.h"
#include "WindingCheck.h"

namespace transcalc::cli {

inline constexpr int kExitNormal = 0;
inline constexpr int kExitError = 2;
inline constexpr int kExitRed = 3;
inline constexpr int kExitUsage = 64;

int ExitStatus(const DesignRun& run);

// The JSON value on one line, ", " and ": " between its parts, ending in a
// line break. Numbers have 17 significant digits, which read back to the same
// double, and a number that is not finite is null; a text that is not UTF-8
// keeps its valid characters, each invalid byte becoming U+FFFD.
std::string JsonLine(const nlohmann::ordered_json& value);

// One JSON object: lines, colour, error and every design value. With the
// design check, its object "check" follows the state; a check that refused
// the design is null, with its text in the language as "check_error". The
// windings' object "winding" follows it, null with its reason as
// "winding_error" when they are not checked. Keys, numbers and the state are
// the same in every language.
nlohmann::ordered_json ReportJson(const DesignRun& run,
                                  const std::optional<DesignCheck>& check = {},
                                  const std::optional<WindingCheck>& windings = {},
                                  Language language = Language::Russian);

}  // namespace transcalc::cli
