#include "Material.h"

#include <algorithm>

namespace transcalc {

double SaturationAt(const Material& material, double temperature) {
    const std::vector<SaturationPoint>& points = material.saturation;
    if (points.empty()) {
        return 0;
    }
    if (temperature <= points.front().temperature) {
        return points.front().fluxDensity;
    }
    if (temperature >= points.back().temperature) {
        return points.back().fluxDensity;
    }
    const auto above = std::upper_bound(
        points.begin(), points.end(), temperature,
        [](double t, const SaturationPoint& point) { return t < point.temperature; });
    const SaturationPoint& high = *above;
    const SaturationPoint& low = *(above - 1);
    const double share = (temperature - low.temperature) / (high.temperature - low.temperature);
    return low.fluxDensity + share * (high.fluxDensity - low.fluxDensity);
}

}  // namespace transcalc
