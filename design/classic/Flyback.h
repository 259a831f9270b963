#pragma once

#include "ModeDesign.h"

namespace transcalc {

// Flyback transformer: primary turns, inductance, peak transistor current,
// secondary turns, transistor voltage, pulse and pause times and the
// recommended frequency. Refuses without pulse duration or input voltage.
BranchOutcome DesignFlyback(DesignState& state, ResultWriter& out);

}  // namespace transcalc
