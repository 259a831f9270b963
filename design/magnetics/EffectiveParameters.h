#pragma once

#include <optional>

#include "Calculate.h"
#include "DesignState.h"
#include "WorkMode.h"

namespace transcalc {

// The effective parameters of a core by the standard method (IEC 60205): the
// magnetic path split into parts of length l_i and cross-section A_i,
// C1 = Σ l_i/A_i, C2 = Σ l_i/A_i², l_e = C1²/C2, A_e = C1/C2, V_e = l_e·A_e.
// The results list's centre-line path is 7 % short on Ш cores and up to 12 %
// long on thick rings; these are what the makers' datasheets give.

struct EffectiveParameters {
    double area = 0;    // m², A_e
    double length = 0;  // m, l_e
    double volume = 0;  // m³, V_e
};

// The dimension fields of a core as read, in mm: a ring's D1, D2, H; a Ш or
// П core's H1, H2, L1, L2.
struct CoreDimensions {
    CoreKind kind = CoreKind::Ring;
    double d1 = 0;
    double d2 = 0;
    double d3 = 0;
    double d4 = 0;
};

// The letters of a Ш or П core pair in mm as its standard names them: A the
// width, B the half height, C the depth, D the window's half height, E the
// window's span, F the centre leg (Ш only).
struct CoreLetters {
    CoreKind kind = CoreKind::ShapedE;
    double a = 0;
    double b = 0;
    double c = 0;
    double d = 0;
    double e = 0;
    double f = 0;
};

// The core that Calculate read: the shaped core when its picture is shown
// (Ш before П, as Calculate takes them), else the ring; none without a
// picture.
std::optional<CoreDimensions> CoreDimensionsOf(const DesignState& asRead,
                                               const CorePictures& cores);

// The letters of a shaped core typed by hand, in the standard proportions:
// legs and backs of equal cross-section. Ш: A = H2, B = H1, C = L2, F = L1,
// E = H2 − L1, D = H1 − L1/2; П: A = H2, B = H1, C = L2, E = H2 − 2·L1,
// D = H1 − L1.
CoreLetters StandardLetters(const CoreDimensions& core);

// The effective parameters of a core: a ring from its dimensions, a shaped
// core from `letters` when they are of its kind, else from its standard
// letters. None when the core leaves no window for a winding (a ring whose
// inner diameter is not between 0 and the outer one; a shaped core whose
// legs, back, window height or, Ш, window span less the centre leg is not
// positive). A core without depth or height gives zeros.
std::optional<EffectiveParameters> EffectiveParametersOf(const CoreDimensions& core,
                                                         const std::optional<CoreLetters>& letters);

// The outer surface in m² that sheds the core's heat: a ring's faces and
// rims; a shaped pair as the box of height 2·H1, width H2 and depth L2.
double OuterSurface(const CoreDimensions& core);

}  // namespace transcalc
