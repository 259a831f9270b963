#pragma once

#include <optional>
#include <string>

#include "Calculate.h"
#include "DesignState.h"
#include "ResultsList.h"

namespace transcalc {

// What one whole command left besides the list and the state.
struct CommandOutcome {
    // The error box text, when Calculate or the results pass ended on an error.
    std::optional<std::string> error;
    // The state as Calculate left it: the inputs as read, before the designs
    // overwrote some of them (the forward designs reuse PulseUs).
    DesignState asRead;
};

// One click on "Расчет": Calculate, and when it succeeds the one results pass
// that it arms. An error ends the command where it arose, as in the window.
CommandOutcome RunCommand(const InputFields& fields, const CorePictures& cores, DesignState& state,
                          ResultsList& list, DecimalSeparator separator);

}  // namespace transcalc
