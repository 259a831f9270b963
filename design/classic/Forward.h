#pragma once

#include "ModeDesign.h"

namespace transcalc {

// Forward transformers. Each runs its preparation (working pulse, and for the
// single-ended one the pause, and the raw primary turns), then the common
// calculation: turns, inductance, secondary turns with a one-turn correction,
// volts per turn, no-load current, minimum pulse and the lowest frequency.
// Refuse without frequency or input voltage.
BranchOutcome DesignPushPull(DesignState& state, ResultWriter& out);
BranchOutcome DesignSingleEnded(DesignState& state, ResultWriter& out);

}  // namespace transcalc
