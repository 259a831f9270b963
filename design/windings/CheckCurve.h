#pragma once

#include <optional>
#include <vector>

#include "DesignCheck.h"
#include "WindingCheck.h"

namespace transcalc {

// Core loss and temperature rise of one design at one frequency, and with
// its windings' copper those of the whole part.
struct CheckCurvePoint {
    double frequency = 0;                   // Hz
    double coreLoss = 0;                    // W
    std::optional<double> temperatureRise;  // K, without a known surface none
    std::optional<double> copperLoss;       // W, the same wires at this frequency
    std::optional<double> totalLoss;        // W, core and copper
    std::optional<double> totalRise;        // K, of core and windings together
};

// A choke's inductance at one DC current.
struct InductancePoint {
    double current = 0;     // A
    double inductance = 0;  // H
};

// The check swept from a tenth to ten times the operating frequency with the
// same turns and voltages, for the plot.
struct CheckCurve {
    // Ascending, evenly spaced on a log scale; none where the loss fit fails
    // at the temperature.
    std::vector<CheckCurvePoint> points;
    CheckCurvePoint operating;  // the design's own point
    // The frequencies the material's loss data covers; beyond them the loss
    // is extrapolated.
    std::vector<FrequencySpan> materialData;
    // A choke whose material's permeability falls with the current: L from
    // 0 A to 1.5·I_pk, ascending, with its DC and peak currents (A).
    std::vector<InductancePoint> inductance;
    double dcCurrent = 0;
    double peakCurrent = 0;
};

// Empty points when the operating point has no core loss to sweep; the
// inductance's curve does not need one. Dense
// enough that the blend where two loss ranges meet (±10 % in frequency)
// shows as a curve, not a step.
CheckCurve SweepCheck(const CheckedDesign& design, const Material* material,
                      const CheckInputs& inputs, int pointCount = 241);

// The windings' copper at every frequency of the curve with the wires chosen
// at the design's own (CopperLossAt; between every fourth point along a
// straight line on the log scales), and with it the whole part's loss and
// rise through the core's surface as `check` found it. A curve without
// points, or windings without a copper loss, stay as they are.
void AddWindingsToCurve(CheckCurve& curve, const WindingCheck& windings, const DesignCheck& check);

}  // namespace transcalc
