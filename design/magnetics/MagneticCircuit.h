#pragma once

#include "CoreShape.h"

namespace transcalc {

// The core and its air gap as one magnetic circuit, as makers measure it:
// the core's reluctance on its effective parameters in series with each
// gap's, whose fringing field lowers it (Zhang et al., "Improved calculation
// method for inductance value of the air-gap inductor", 2020).

// The reluctance of one gap of length l_g (m) at its site, 1/H: the gap's
// own, l_g/(μ0·A_g), beside the fringe's, π/(μ0·C·ln((2h + l_g)/l_g)).
double GapReluctance(double gapLength, const GapSite& site);

// A_L (H per turn²) of a core with a total gap (m) split over its site's
// gaps, its material at a relative permeability: a powder's falls with the
// field, so the caller gives the one of the operating point.
double InductanceFactor(const EffectiveParameters& core, const GapSite& site, double totalGap,
                        double relativePermeability);

}  // namespace transcalc
