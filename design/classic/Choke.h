#pragma once

#include "ModeDesign.h"

namespace transcalc {

// Choke: permeability with gap, inductance, gap, turns, the current at which
// the core saturates and the wire diameter for it. Refuses without turns.
BranchOutcome DesignChoke(DesignState& state, ResultWriter& out);

}  // namespace transcalc
