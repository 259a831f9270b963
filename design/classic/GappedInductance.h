#pragma once

#include "DesignState.h"

namespace transcalc {

// Inductance in henry of `turns` turns on the selected core with its gap.
// Stores the effective permeability of the gapped core in state.PermWithGap.
// A fault leaves before PermWithGap is written when PathLength is 0.
double GappedInductance(double turns, DesignState& state);

}  // namespace transcalc
