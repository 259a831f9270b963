#include "MagneticCircuit.h"

#include <cmath>
#include <numbers>

#include "Physics.h"

namespace transcalc {

double GapReluctance(double gapLength, const GapSite& site) {
    if (!(gapLength > 0)) {
        return 0;
    }
    const double own = gapLength / (kMu0 * site.legArea);
    const double fringe =
        std::numbers::pi /
        (kMu0 * site.legPerimeter * std::log((2 * site.fringeHeight + gapLength) / gapLength));
    return own * fringe / (own + fringe);
}

double InductanceFactor(const EffectiveParameters& core, const GapSite& site, double totalGap,
                        double relativePermeability) {
    const double coreReluctance = core.length / (kMu0 * relativePermeability * core.area);
    const double gaps = site.count * GapReluctance(totalGap / site.count, site);
    return 1 / (coreReluctance + gaps);
}

}  // namespace transcalc
