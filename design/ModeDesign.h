#pragma once

#include "DesignState.h"
#include "ResultsList.h"

namespace transcalc {

// How a mode design ends: it has appended its results, or it refuses because
// data are missing (after appending its own message, if it has one), and the
// results pass then appends the failure line.
enum class BranchOutcome { Completed, Refused };

}  // namespace transcalc
