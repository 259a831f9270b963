#pragma once

#include "WorkMode.h"

namespace transcalc::cli {

struct CliOptions;

// Throws UsageError naming the first option given that the run does not
// take: one Calculate takes every option but the adviser's own; --list only
// --core and --json; --advise none that the search chooses itself or that
// its mode does not read. With --help anything goes. The mode's options are
// judged once the mode is known.
void CheckOptionScope(const CliOptions& options);

// Throws UsageError when a field that a search in the mode reads is empty or
// holds a number not above 0: every design would fail, or "fit" with nothing
// to deliver. A text that is no number is left to the designs to name.
void CheckSearchFields(const CliOptions& options, WorkMode mode);

}  // namespace transcalc::cli
