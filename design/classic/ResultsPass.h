#pragma once

#include "Calculate.h"
#include "DesignState.h"
#include "Language.h"
#include "ResultsList.h"

namespace transcalc {

// The results pass that follows a Calculate: the core header, the checks of
// saturation induction and path length, the design of the work mode, the red
// failure line when data are missing and the ring-gap trailer.
//
// ResultsPending is cleared on every way out, an arithmetic fault included:
// the fault propagates to the caller (the lines appended before it stay, the
// colour is unchanged), and since the pass is no longer pending it is
// reported once and never repeated.
void RunResultsPass(const CorePictures& cores, DesignState& state, ResultsList& list,
                    DecimalSeparator separator, Language language = Language::Russian);

}  // namespace transcalc
