#include "CheckCurve.h"

#include <cmath>

namespace transcalc {

CheckCurve SweepCheck(const CheckedDesign& design, const Material* material,
                      const CheckInputs& inputs, int pointCount) {
    CheckCurve curve;
    const DesignCheck own = RunDesignCheck(design, material, inputs);
    if (!own.frequency || !own.coreLoss || pointCount < 2) {
        return curve;
    }
    curve.operating = {*own.frequency, *own.coreLoss, own.temperatureRise};
    curve.materialData = SteinmetzSpans(*material);
    curve.points.reserve(pointCount);
    for (int i = 0; i < pointCount; ++i) {
        const double decades = -1 + 2.0 * i / (pointCount - 1);
        const double frequency = *own.frequency * std::pow(10.0, decades);
        const DesignCheck at = RunDesignCheckAt(design, material, inputs, frequency);
        if (at.coreLoss) {  // a fit may fail at the temperature in another range
            curve.points.push_back({frequency, *at.coreLoss, at.temperatureRise});
        }
    }
    return curve;
}

void AddWindingsToCurve(CheckCurve& curve, const WindingCheck& windings, const DesignCheck& check) {
    if (curve.points.empty() || !windings.copperLoss) {
        return;
    }
    for (CheckCurvePoint& point : curve.points) {
        point.copperLoss = CopperLossAt(windings, point.frequency);
        if (point.copperLoss) {
            point.totalLoss = point.coreLoss + *point.copperLoss;
            point.totalRise = WholePartRise(*point.totalLoss, check.surface);
        }
    }
    // The operating point as the windings found it: the frequency the curve
    // marks is the one typed, theirs one over the period.
    curve.operating.copperLoss = windings.copperLoss;
    curve.operating.totalLoss = windings.totalLoss;
    curve.operating.totalRise = windings.temperatureRise;
}

}  // namespace transcalc
