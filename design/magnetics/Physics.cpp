#include "Physics.h"

#include <cmath>

namespace transcalc {

double CopperResistivity(double celsius) {
    return 1.724e-8 * (1 + 0.00393 * (celsius - 20));
}

double SkinDepth(double resistivity, double frequency) {
    return std::sqrt(resistivity / (std::numbers::pi * frequency * kMu0));
}

std::optional<double> SurfaceRise(double loss, const std::optional<double>& surface) {
    if (!surface || !(loss >= 0)) {
        return std::nullopt;
    }
    return std::pow(loss * 1000 / (*surface * 1e4), 0.833);
}

}  // namespace transcalc
