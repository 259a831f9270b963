#pragma once

#include <optional>
#include <vector>

#include "DesignCheck.h"

namespace transcalc {

// Core loss and temperature rise of one design at one frequency.
struct CheckCurvePoint {
    double frequency = 0;                   // Hz
    double coreLoss = 0;                    // W
    std::optional<double> temperatureRise;  // K, without a known surface none
};

// The check swept from a tenth to ten times the operating frequency with the
// same turns and voltages, for the plot.
struct CheckCurve {
    std::vector<CheckCurvePoint> points;  // ascending, evenly spaced on a log scale
    CheckCurvePoint operating;            // the design's own point
};

// Empty points when the operating point has no core loss to sweep.
CheckCurve SweepCheck(const CheckedDesign& design, const Material* material,
                      const CheckInputs& inputs, int pointCount = 61);

}  // namespace transcalc
