#include "Material.h"

#include <algorithm>

namespace transcalc {

bool AboveCurie(const Material& material, double temperature) {
    return material.curieTemperature && temperature >= *material.curieTemperature;
}

std::optional<TemperatureSpan> DataTemperatures(const Material& material) {
    if (material.saturation.empty()) {
        return std::nullopt;
    }
    return TemperatureSpan{material.saturation.front().temperature,
                           material.saturation.back().temperature};
}

double SaturationAt(const Material& material, double temperature) {
    const std::vector<SaturationPoint>& points = material.saturation;
    if (points.empty() || AboveCurie(material, temperature)) {
        return 0;
    }
    if (temperature <= points.front().temperature) {
        return points.front().fluxDensity;
    }
    double value = points.back().fluxDensity;
    if (temperature < points.back().temperature) {
        const auto above = std::upper_bound(
            points.begin(), points.end(), temperature,
            [](double t, const SaturationPoint& point) { return t < point.temperature; });
        const SaturationPoint& high = *above;
        const SaturationPoint& low = *(above - 1);
        const double share = (temperature - low.temperature) / (high.temperature - low.temperature);
        value = low.fluxDensity + share * (high.fluxDensity - low.fluxDensity);
    } else if (material.curieTemperature && temperature > points.back().temperature) {
        const double curie = *material.curieTemperature;
        value *= (curie - temperature) / (curie - points.back().temperature);
    }
    // A ferrite's saturation falls as it warms; a record that rises has its
    // temperatures swapped, and the colder value is the safe one.
    for (const SaturationPoint& point : points) {
        if (point.temperature < temperature) {
            value = std::min(value, point.fluxDensity);
        }
    }
    return value;
}

}  // namespace transcalc
