#include "CheckCurve.h"

#include <algorithm>
#include <cmath>

#include "Physics.h"
#include "WorkingInductance.h"

namespace transcalc {
namespace {

void AddInductanceCurve(const CheckedDesign& design, const Material* material,
                        const CheckInputs& inputs, const DesignCheck& own, CheckCurve& curve) {
    if (!own.rollsOff || !own.currentPeak || !(*own.currentPeak > 0)) {
        return;
    }
    constexpr int kPoints = 61;
    const WorkingInductance working(design, material, inputs.temperature,
                                    own.frequency.value_or(0));
    const double acFlux = own.fluxSwing.value_or(0) / 2;
    const double last = 1.5 * *own.currentPeak;
    for (int i = 0; i < kPoints; ++i) {
        const double current = last * i / (kPoints - 1);
        if (const std::optional<double> inductance = working.At(current, acFlux)) {
            curve.inductance.push_back({current, *inductance});
        }
    }
    curve.dcCurrent = inputs.dcCurrent.value_or(0);
    curve.peakCurrent = *own.currentPeak;
}

}  // namespace

CheckCurve SweepCheck(const CheckedDesign& design, const Material* material,
                      const CheckInputs& inputs, int pointCount) {
    CheckCurve curve;
    const DesignCheck own = RunDesignCheck(design, material, inputs);
    AddInductanceCurve(design, material, inputs, own, curve);
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
    std::vector<CheckCurvePoint>& points = curve.points;
    if (points.empty() || !windings.copperLoss) {
        return;
    }
    // The copper changes smoothly with frequency, unlike the core's blended
    // loss ranges: taken at every fourth point and the last, and between
    // them along a straight line on the log scales (within 0.1 %), it keeps
    // the recompute within a few milliseconds.
    constexpr std::size_t kStride = 4;
    const std::size_t last = points.size() - 1;
    for (std::size_t i = 0; i <= last; i += kStride) {
        points[i].copperLoss = CopperLossAt(windings, points[i].frequency);
    }
    points[last].copperLoss = CopperLossAt(windings, points[last].frequency);
    for (std::size_t i = 0; i <= last; ++i) {
        CheckCurvePoint& point = points[i];
        if (i % kStride != 0 && i != last) {
            const CheckCurvePoint& below = points[i - i % kStride];
            const CheckCurvePoint& above = points[std::min(i - i % kStride + kStride, last)];
            if (below.copperLoss > 0 && above.copperLoss > 0) {
                const double share = std::log(point.frequency / below.frequency) /
                                     std::log(above.frequency / below.frequency);
                point.copperLoss =
                    *below.copperLoss * std::pow(*above.copperLoss / *below.copperLoss, share);
            } else {
                point.copperLoss = CopperLossAt(windings, point.frequency);
            }
        }
        if (point.copperLoss) {
            point.totalLoss = point.coreLoss + *point.copperLoss;
            point.totalRise = SurfaceRise(*point.totalLoss, check.surface);
        }
    }
    // The operating point as the windings found it: the frequency the curve
    // marks is the one typed, theirs one over the period.
    curve.operating.copperLoss = windings.copperLoss;
    curve.operating.totalLoss = windings.totalLoss;
    curve.operating.totalRise = windings.temperatureRise;
}

}  // namespace transcalc
