#include "EffectiveParameters.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace transcalc {
namespace {

using std::numbers::pi;

// One part of the magnetic path.
struct PathPart {
    double length;  // mm
    double area;    // mm²
};

EffectiveParameters FromParts(std::initializer_list<PathPart> parts) {
    double c1 = 0;  // 1/mm
    double c2 = 0;  // 1/mm³
    for (const PathPart& part : parts) {
        if (!(part.area > 0)) {
            return {};
        }
        c1 += part.length / part.area;
        c2 += part.length / (part.area * part.area);
    }
    const double length = c1 * c1 / c2;  // mm
    const double area = c1 / c2;         // mm²
    return {area * 1e-6, length * 1e-3, area * length * 1e-9};
}

std::optional<EffectiveParameters> Ring(const CoreDimensions& core) {
    const double outer = core.d1 / 2;
    const double inner = core.d2 / 2;
    if (!(inner > 0 && inner < outer)) {
        return std::nullopt;
    }
    if (!(core.d3 > 0)) {
        return EffectiveParameters{};
    }
    // The flux density falls as 1/r across the ring: exact, not by parts.
    const double logRatio = std::log(outer / inner);
    const double span = 1 / inner - 1 / outer;  // 1/mm
    const double length = 2 * pi * logRatio / span;
    const double area = core.d3 * logRatio * logRatio / span;
    return EffectiveParameters{area * 1e-6, length * 1e-3, area * length * 1e-9};
}

std::optional<EffectiveParameters> ShapedE(const CoreLetters& l) {
    const double leg = (l.a - l.e) / 2;  // s, one outer leg
    const double back = l.b - l.d;       // h
    if (!(leg > 0 && back > 0 && l.d > 0 && l.e - l.f > 0)) {
        return std::nullopt;
    }
    // The pair's two outer legs and the two halves of its back carry the
    // flux side by side.
    const double legs = 2 * leg * l.c;
    const double backs = 2 * back * l.c;
    const double centre = l.f * l.c;
    return FromParts({{2 * l.d, legs},
                      {l.e - l.f, backs},
                      {2 * l.d, centre},
                      {pi * (leg + back) / 4, (legs + backs) / 2},
                      {pi * (l.f / 2 + back) / 4, (backs + centre) / 2}});
}

std::optional<EffectiveParameters> ShapedU(const CoreLetters& l) {
    const double leg = (l.a - l.e) / 2;
    const double back = l.b - l.d;
    if (!(leg > 0 && back > 0 && l.d > 0 && l.e > 0)) {
        return std::nullopt;
    }
    const double legs = leg * l.c;
    const double backs = back * l.c;
    return FromParts(
        {{4 * l.d, legs}, {2 * l.e, backs}, {pi * (leg + back) / 2, (legs + backs) / 2}});
}

}  // namespace

std::optional<CoreDimensions> CoreDimensionsOf(const DesignState& s, const CorePictures& cores) {
    // The state keeps the dimensions in cm.
    if (cores.shapedE || cores.shapedU) {
        return CoreDimensions{cores.shapedE ? CoreKind::ShapedE : CoreKind::ShapedU, s.DimH1 * 10,
                              s.DimH2 * 10, s.DimHL1 * 10, s.DimL2 * 10};
    }
    if (cores.ring) {
        return CoreDimensions{CoreKind::Ring, s.RingD1 * 10, s.RingD2 * 10, s.DimHL1 * 10, 0};
    }
    return std::nullopt;
}

CoreLetters StandardLetters(const CoreDimensions& core) {
    const double h1 = core.d1, h2 = core.d2, l1 = core.d3, l2 = core.d4;
    if (core.kind == CoreKind::ShapedU) {
        return {CoreKind::ShapedU, h2, h1, l2, h1 - l1, h2 - 2 * l1, 0};
    }
    return {CoreKind::ShapedE, h2, h1, l2, h1 - l1 / 2, h2 - l1, l1};
}

std::optional<EffectiveParameters> EffectiveParametersOf(
    const CoreDimensions& core, const std::optional<CoreLetters>& letters) {
    if (core.kind == CoreKind::Ring) {
        return Ring(core);
    }
    const CoreLetters used =
        letters && letters->kind == core.kind ? *letters : StandardLetters(core);
    return core.kind == CoreKind::ShapedE ? ShapedE(used) : ShapedU(used);
}

double OuterSurface(const CoreDimensions& core) {
    double mm2 = 0;
    if (core.kind == CoreKind::Ring) {
        mm2 = 2 * (pi / 4) * (core.d1 * core.d1 - core.d2 * core.d2) +
              pi * (core.d1 + core.d2) * core.d3;
    } else {
        const double height = 2 * core.d1;
        mm2 = 2 * (height * core.d2 + height * core.d4 + core.d2 * core.d4);
    }
    return mm2 * 1e-6;
}

}  // namespace transcalc
