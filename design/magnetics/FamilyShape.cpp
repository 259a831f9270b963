#include "FamilyShape.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>
#include <vector>

namespace transcalc {
namespace {

using std::numbers::pi;

// The letters of one core, in mm; a letter the core lacks reads 0 (only
// optional letters are read so).
class Letters {
public:
    explicit Letters(const ShapeLetters& letters) : letters_(letters) {}
    double operator()(std::string_view letter) const {
        return LetterOf(letters_, letter).value_or(0);
    }

private:
    const ShapeLetters& letters_;
};

// One part of the magnetic path, mm and mm².
struct PathPart {
    double length;
    double area;
};

// A leg as the flux leaves it for a back: its area, the perimeter a turn
// or a gap's field goes round, and how deep its flux's centre of area lies
// behind the face it turns at.
struct Leg {
    double area = 0;       // mm²
    double perimeter = 0;  // mm
    double depth = 0;      // mm
    bool round = false;
    double along = 0;  // mm of the back's depth its corner turns into; 0: all of it
};

// What the legs run between: the window's height they span (both halves'
// windows, or one window closed by a plate) and each back's thickness.
struct Frame {
    double windowHeight = 0;        // mm
    std::array<double, 2> backs{};  // mm: B − D of each half, or a plate
};

// A sharp corner by the standard's rule: the quarter circle joining the
// centres of area of the leg and the back, over the mean of their areas.
PathPart Corner(double legDepth, double back, double legArea, double backArea) {
    return {pi * (2 * legDepth + back) / 8, (legArea + backArea) / 2};
}

// An E-like pair: the centre leg and both outer legs side by side, each
// back straight between them, its depth across the flux; the flux of both
// sides is one part of twice the area.
std::vector<PathPart> EPath(const Frame& f, const Leg& centre, const Leg& outer, double yokeLength,
                            double yokeDepth) {
    std::vector<PathPart> parts{{f.windowHeight, outer.area}, {f.windowHeight, centre.area}};
    for (const double back : f.backs) {
        const double area = 2 * yokeDepth * back;
        parts.push_back({yokeLength, area});
        parts.push_back(Corner(outer.depth, back, outer.area, area));
        const double fed = centre.along > 0 ? std::min(centre.along, yokeDepth) : yokeDepth;
        parts.push_back(Corner(centre.depth, back, centre.area, 2 * fed * back));
    }
    return parts;
}

// Two outer legs round a round post (PQ, RM): each back straight over
// yokeLength with the mean of the post's and the legs' sections, each
// corner the mean of its two neighbours.
std::vector<PathPart> MeanBackPath(const Frame& f, const Leg& centre, const Leg& outer,
                                   double yokeLength) {
    std::vector<PathPart> parts{{f.windowHeight, outer.area}, {f.windowHeight, centre.area}};
    const double area = (centre.area + outer.area) / 2;
    for (const double back : f.backs) {
        parts.push_back({yokeLength, area});
        parts.push_back(Corner(outer.depth, back, outer.area, area));
        parts.push_back(Corner(centre.depth, back, centre.area, area));
    }
    return parts;
}

// A pot-like pair: the flux leaves the round centre leg (radius r2) all
// round and spreads to the wall (radius r3) through a back whose section
// grows with the radius, over the wall's share of the circle; rim is the
// back's width where it meets the wall (less the wall's cuts), mm. The back
// is the one part of constant l/A and l/A² of that disc.
std::vector<PathPart> PotPath(const Frame& f, const Leg& centre, double r2, const Leg& wall,
                              double r3, double share, double rim) {
    std::vector<PathPart> parts{{f.windowHeight, wall.area}, {f.windowHeight, centre.area}};
    for (const double back : f.backs) {
        const double width = 2 * pi * share * back;  // mm per mm of radius
        const double overArea = std::log(r3 / r2) / width;
        const double overSquare = (1 / r2 - 1 / r3) / (width * width);
        const double area = overArea / overSquare;
        parts.push_back({overArea * area, area});
        parts.push_back(Corner(centre.depth, back, centre.area, 2 * pi * r2 * back));
        parts.push_back(Corner(wall.depth, back, wall.area, rim * back));
    }
    return parts;
}

// A U-like set: both legs in series, each back straight across the window
// of width span.
std::vector<PathPart> UPath(const Frame& f, const Leg& leg, double span, double depth) {
    std::vector<PathPart> parts{{2 * f.windowHeight, leg.area}};
    for (const double back : f.backs) {
        const double area = depth * back;
        parts.push_back({span, area});
        parts.push_back(Corner(leg.depth, back, leg.area, area));
        parts.push_back(Corner(leg.depth, back, leg.area, area));
    }
    return parts;
}

// C1 = Σ l/A, C2 = Σ l/A², into SI units; none where a part has no length
// or area.
std::optional<FamilyGeometry> FromParts(const std::vector<PathPart>& parts) {
    double c1 = 0;
    double c2 = 0;
    double smallest = parts.front().area;
    for (const PathPart& part : parts) {
        if (!(part.area > 0 && part.length > 0)) {
            return std::nullopt;
        }
        c1 += part.length / part.area;
        c2 += part.length / (part.area * part.area);
        smallest = std::min(smallest, part.area);
    }
    FamilyGeometry g;
    g.area = c1 / c2 * 1e-6;
    g.length = c1 * c1 / c2 * 1e-3;
    g.volume = g.area * g.length;
    g.minimumArea = smallest * 1e-6;
    return g;
}

// The rest of a geometry: the gapped leg, the bare window, the turn and the
// outer surface, from mm into SI units.
struct Finish {
    Leg gapped;
    int gapCount = 1;
    double fringeHeight = 0;  // mm
    double windowBreadth = 0;
    double windowHeight = 0;
    double turnBase = 0;
    double surface = 0;  // mm²
};

std::optional<FamilyGeometry> Geometry(const std::vector<PathPart>& parts, const Finish& f) {
    std::optional<FamilyGeometry> g = FromParts(parts);
    if (!g || !(f.windowBreadth > 0 && f.windowHeight > 0)) {
        return std::nullopt;
    }
    g->gapLegArea = f.gapped.area * 1e-6;
    g->gapLegPerimeter = f.gapped.perimeter * 1e-3;
    g->fringeHeight = f.fringeHeight * 1e-3;
    g->gapCount = f.gapCount;
    g->windowBreadth = f.windowBreadth * 1e-3;
    g->windowHeight = f.windowHeight * 1e-3;
    g->turnBase = f.turnBase * 1e-3;
    g->roundLeg = f.gapped.round;
    g->outerSurface = f.surface * 1e-6;
    return g;
}

double BoxSurface(double width, double height, double depth) {
    return 2 * (width * height + width * depth + height * depth);
}

// ∫ sqrt(r² − y²) dy from 0 to y.
double UnderCircle(double r, double y) {
    return (y * std::sqrt(std::max(r * r - y * y, 0.0)) + r * r * std::asin(std::min(y / r, 1.0))) /
           2;
}

// Both outer legs of a round-legged E-like core: from the window's circle
// (diameter E) out to the core's width A, over the depth C, and no nearer
// the middle than G/2 where the window opens for the wire.
double ArcLegs(double a, double c, double e, double g) {
    const double r = e / 2;
    const double half = c / 2;
    if (g / 2 >= r) {
        return c * (a - g);
    }
    const double meet = std::min(std::sqrt(r * r - g * g / 4), half);
    const double inner = 2 * UnderCircle(r, meet) + 2 * (half - meet) * g / 2;
    return 2 * (c * a / 2 - inner);
}

// A round centre leg of diameter F, less a hole of diameter H.
Leg RoundLeg(double f, double hole = 0) {
    return {pi * (f * f - hole * hole) / 4, pi * f, f / 4, true};
}

// A round post of diameter F less a hole of diameter H, as the pot cores'
// corner rule turns its flux into the back: from the radius that halves
// its section.
Leg Post(double f, double hole = 0) {
    const double r2 = f / 2, r1 = hole / 2;
    return {pi * (r2 * r2 - r1 * r1), pi * f, r2 - std::sqrt((r2 * r2 + r1 * r1) / 2), true};
}

// Two outer legs closing round the window's circle (diameter e), each over
// ±beta of it, as they meet the back: their centre of area lies half their
// mean thickness behind that arc; where they do not reach the circle
// (beta 0), half their straight thickness (a − g)/2 behind the opening.
Leg ArcFacedLegs(double area, double e, double beta, double a, double g) {
    return {area, 0, beta > 0 ? area / (2 * beta * e) / 2 : (a - g) / 4, false};
}

Frame PairFrame(double b, double d) {
    return {2 * d, {b - d, b - d}};
}

// The gap in the centre leg of a pair, half-way up the window.
Finish CentreGap(const Leg& centre, double e, double f, double d, double turnBase, double surface,
                 double windowHeight) {
    return {centre, 1, kFringeShare * d, (e - f) / 2, windowHeight, turnBase, surface};
}

// --- E-like cores with a round centre leg ------------------------------------

// ETD, ER and the planar ER (the makers' ETD, ER and planar ER drawings): A overall width, B height
// of one half, C depth, D window height of one half, E window diameter (the outer legs' inner
// circle), F centre-leg diameter; G, where given, the straight width
// between the outer legs where the window opens (low ER only).
// EQ and LP (Ferroxcube's EQ and TDK's LP drawings): the same letters, G
// the opening between the outer legs.
std::optional<FamilyGeometry> RoundLegE(const Letters& l) {
    const double a = l("A"), b = l("B"), c = l("C"), d = l("D"), e = l("E"), f = l("F");
    const double outerArea = ArcLegs(a, c, e, l("G"));
    const Leg centre = RoundLeg(f);
    const Leg outer{outerArea, 0, outerArea / c / 4, false};
    const Frame frame = PairFrame(b, d);
    return Geometry(EPath(frame, centre, outer, (e - f) / 2, c),
                    CentreGap(centre, e, f, d, pi * f, BoxSurface(a, 2 * b, c), 2 * d));
}

// EC (Ferroxcube EC drawing): A overall width, B height of one half, C
// depth, D window height of one half, E window width between the flat
// inner faces of the outer legs, F centre-leg diameter; r, s and T (the
// clip's groove in the back) are not used.
std::optional<FamilyGeometry> Ec(const Letters& l) {
    const double a = l("A"), b = l("B"), c = l("C"), d = l("D"), e = l("E"), f = l("F");
    const double leg = (a - e) / 2;
    const Leg centre = RoundLeg(f);
    const Leg outer{2 * leg * c, 0, leg / 2, false};
    return Geometry(EPath(PairFrame(b, d), centre, outer, (e - f) / 2, c),
                    CentreGap(centre, e, f, d, pi * f, BoxSurface(a, 2 * b, c), 2 * d));
}

// --- E-like cores with a flat centre leg --------------------------------------

// An E pair whose outer legs are (A − E)/2 thick over the depth C.
std::optional<FamilyGeometry> FlatLegE(const Letters& l, const Leg& centre) {
    const double a = l("A"), b = l("B"), c = l("C"), d = l("D"), e = l("E"), f = l("F");
    const double leg = (a - e) / 2;
    const Leg outer{2 * leg * c, 0, leg / 2, false};
    return Geometry(EPath(PairFrame(b, d), centre, outer, (e - f) / 2, c),
                    CentreGap(centre, e, f, d, centre.perimeter, BoxSurface(a, 2 * b, c), 2 * d));
}

// Planar E (the makers' planar E drawing): A overall width, B
// height of one half, C depth, D window height of one half, E window
// width, F centre-leg width; the centre leg spans the depth C.
std::optional<FamilyGeometry> PlanarE(const Letters& l) {
    const double c = l("C"), f = l("F");
    return FlatLegE(l, {f * c, 2 * (f + c), f / 4, false});
}

// EFD (the makers' EFD drawing): A overall width, B height of
// one half, C depth, D window height of one half, E window width, F centre
// leg's width, F2 its (smaller) depth, K its offset from the middle of the
// depth, q the radius of its corners.
std::optional<FamilyGeometry> Efd(const Letters& l) {
    const double f = l("F"), f2 = l("F2"), q = l("q");
    const double area = f * f2 - (4 - pi) * q * q;
    return FlatLegE(l, {area, 2 * (f + f2) - (8 - 2 * pi) * q, f / 4, false});
}

// Planar EL: A overall width, B height of one half, C depth, D window
// height of one half, E window width, F centre-leg width, F2 its length
// along the depth, its ends round (a stadium), R the corners' radius (not
// used). No EL clause of the standard could be had: the E pair's rule,
// with the corner at the post turning into the back over the post's own
// length F2 rather than the whole depth, as TDK's EL figures do (within
// 1 % on every pair).
std::optional<FamilyGeometry> PlanarEl(const Letters& l) {
    const double f = l("F"), f2 = l("F2");
    const double straight = std::max(f2 - f, 0.0);
    return FlatLegE(l, {f * straight + pi * f * f / 4, 2 * straight + pi * f, f / 4, false, f2});
}

// --- PQ ----------------------------------------------------------------------

// A PQ half (TDK's PQ drawing): A overall width, C depth, E the window's
// circle, F centre-post diameter, G the opening between the outer legs,
// which close round the circle out to A and C. J and L, the notch in the
// back at the openings (its length along the back and the depth it
// leaves), are not read: it lies across the post (J < F on every drawing)
// and leaves 2·L·(B − D), within 7 % of the post's own section. The back
// is taken as the mean of the post's and the legs' sections. The large PQs
// come out as the standard's own figures (IEC 63093-13), which run 5 to
// 15 % under some makers' older ones.
struct PqHalf {
    Leg post;
    Leg legs;
};

PqHalf PqLegs(const Letters& l) {
    const double a = l("A"), c = l("C"), e = l("E"), f = l("F"), g = l("G");
    const double beta = std::min(std::acos(std::min(g / e, 1.0)), std::asin(std::min(c / e, 1.0)));
    return {Post(f), ArcFacedLegs(ArcLegs(a, c, e, g), e, beta, a, g)};
}

// PQ pairs: B height of one half, D window height of one half.
std::optional<FamilyGeometry> Pq(const Letters& l) {
    const double a = l("A"), b = l("B"), c = l("C"), d = l("D"), e = l("E"), f = l("F");
    const PqHalf half = PqLegs(l);
    return Geometry(MeanBackPath(PairFrame(b, d), half.post, half.legs, (e - f) / 2),
                    CentreGap(half.post, e, f, d, pi * f, BoxSurface(a, 2 * b, c), 2 * d));
}

// PQI (a PQ half closed by a plate): B the half's height, D its window
// height, B2 the plate's thickness; the window is D high, closed by the
// plate, where the gap lies.
std::optional<FamilyGeometry> Pqi(const Letters& l) {
    const double a = l("A"), b = l("B"), b2 = l("B2"), c = l("C"), d = l("D"), e = l("E"),
                 f = l("F");
    const PqHalf half = PqLegs(l);
    const Frame frame{d, {b - d, b2}};
    return Geometry(MeanBackPath(frame, half.post, half.legs, (e - f) / 2),
                    CentreGap(half.post, e, f, d, pi * f, BoxSurface(a, b + b2, c), d));
}

// --- Pot-like cores -----------------------------------------------------------

// What two opposite straight cuts g wide through the middle take from a
// disc of radius r.
double CutsFromDisc(double r, double g) {
    return 4 * UnderCircle(r, std::min(g / 2, r));
}

// Pot cores and PM (the makers' P and PM drawings): A outer diameter, B height of one half, D
// window height of one half, E the wall's inner diameter, F centre-leg diameter, H the centre hole
// (none on P/I), G the width of the wall's two slots (PM: its two wide cut-outs), each a straight
// cut across the wall; C (the slots' span), r1, M, N, PM's b, e, t and alpha (fixing details) are
// not used.
std::optional<FamilyGeometry> Pot(const Letters& l) {
    const double a = l("A"), b = l("B"), d = l("D"), e = l("E"), f = l("F"), g = l("G");
    const double r2 = f / 2, r3 = e / 2, r4 = a / 2;
    const Leg centre = Post(f, l("H"));
    const double wallArea = pi * (r4 * r4 - r3 * r3) - (CutsFromDisc(r4, g) - CutsFromDisc(r3, g));
    const double rim = 2 * pi * r3 - 4 * r3 * std::asin(std::min(g / e, 1.0));
    const Leg wall{wallArea, 0, std::sqrt((r3 * r3 + r4 * r4) / 2) - r3, false};
    return Geometry(PotPath(PairFrame(b, d), centre, r2, wall, r3, 1, rim),
                    CentreGap(centre, e, f, d, pi * f, pi * a * a / 2 + pi * a * 2 * b, 2 * d));
}

// One quarter of an RM core's outer leg: from the window's circle out to
// the flat side at A/2 and the chamfer at J/2 across the diagonal, no
// nearer the middle than G/2 where the window opens (Simpson's rule).
double RmQuarterLeg(double a, double e, double g, double j) {
    const double r = e / 2;
    const double chamfer = j / std::sqrt(2.0);
    const auto height = [&](double x) {
        const double top = std::min(chamfer - x, a / 2);
        const double bottom = x < r ? std::sqrt(r * r - x * x) : 0;
        return std::max(top - bottom, 0.0);
    };
    constexpr int kSteps = 64;
    const double from = g / 2, to = a / 2, step = (to - from) / kSteps;
    double sum = height(from) + height(to);
    for (int i = 1; i < kSteps; ++i) {
        sum += height(from + i * step) * (i % 2 == 0 ? 2 : 4);
    }
    return sum * step / 3;
}

// RM (the makers' RM and RM/I drawings): A overall width across
// the outer legs, B height of one half, D window height of one half, E
// window diameter, F centre-leg diameter, G the window's opening between
// the legs, J the width across the chamfered corners, H the centre hole
// (none on RM/I and RM/ILP); C (the back's width at the openings) and R are
// not used. The back is taken as PQ's: the mean of the post's and the legs'
// sections.
std::optional<FamilyGeometry> Rm(const Letters& l) {
    const double a = l("A"), b = l("B"), d = l("D"), e = l("E"), f = l("F"), g = l("G");
    const Leg post = Post(f, l("H"));
    const double beta = std::acos(std::min(g / e, 1.0));
    const Leg legs = ArcFacedLegs(4 * RmQuarterLeg(a, e, g, l("J")), e, beta, a, g);
    return Geometry(MeanBackPath(PairFrame(b, d), post, legs, (e - f) / 2),
                    CentreGap(post, e, f, d, pi * f, BoxSurface(a, 2 * b, a), 2 * d));
}

// EP and EPX (the makers' EP and EPX drawings): A overall
// width, B height of one half, C depth, D window height of one half, E
// window diameter, F centre-leg diameter, K the back wall behind the
// window; the window runs from its circle straight out to the front. G
// (EPO's and EPX 10's recess) is not used. The wall covers the back half
// of the circle round the leg and the sides out to the front. EPX's post
// is longer than it is wide (the makers' A_min exceeds a round post F
// across), and the data gives no letter for its length: it is taken
// round, which leaves its A_e well short of the makers' (flagged).
std::optional<FamilyGeometry> Ep(const Letters& l) {
    const double a = l("A"), b = l("B"), c = l("C"), d = l("D"), e = l("E"), f = l("F");
    const double r2 = f / 2, r3 = e / 2;
    const double front = std::max(c - l("K") - r3, 0.0);
    const double wallArea = a * c - pi * e * e / 8 - e * front;
    const double share = (pi + 2 * std::atan(front / r3)) / (2 * pi);
    const double rim = 2 * pi * share * r3;
    const Leg centre = Post(f);
    const Leg wall{wallArea, 0, wallArea / rim / 2, false};
    return Geometry(PotPath(PairFrame(b, d), centre, r2, wall, r3, share, rim),
                    CentreGap(centre, e, f, d, pi * f, BoxSurface(a, 2 * b, c), 2 * d));
}

// --- U-like cores -------------------------------------------------------------

// A spacer cuts both legs; each gap lies half-way up the window (against
// a plate: at its end), fringing as an E core's.
Finish BothLegsGap(const Leg& leg, double span, double windowHeight, double fringeOver,
                   double surface) {
    return {leg, 2, kFringeShare * fringeOver, span, windowHeight, leg.perimeter, surface};
}

// C cores (cut tape-wound pairs; the maker's drawing: a the build, b the
// window's width, c its length, d the strip's width): A overall width, B
// height of one half, C the strip's width (the depth), D window height of
// one half, E window width. The section is the steel's outline: the
// makers' areas take the stacking factor off it.
std::optional<FamilyGeometry> UPair(const Letters& l) {
    const double a = l("A"), b = l("B"), c = l("C"), d = l("D"), e = l("E");
    const double leg = (a - e) / 2;
    const Leg legs{leg * c, 2 * (leg + c), leg / 2, false};
    return Geometry(UPath(PairFrame(b, d), legs, e, c),
                    BothLegsGap(legs, e, 2 * d, d, BoxSurface(a, 2 * b, c)));
}

// UR (the makers' UR drawing): A overall width, B height of one half, C
// depth of the backs, D window height of one half, E window width; the
// round legs are (A − E)/2 across, as H draws them on most subtypes. H
// where it is smaller, F, G and S (subtypes with a flattened leg or a
// notch) are not used: both legs are taken round.
std::optional<FamilyGeometry> Ur(const Letters& l) {
    const double a = l("A"), b = l("B"), c = l("C"), d = l("D"), e = l("E");
    const double h = (a - e) / 2;
    const Leg legs{pi * h * h / 4, pi * h, h / 2, true};
    return Geometry(UPath(PairFrame(b, d), legs, e, c),
                    BothLegsGap(legs, e, 2 * d, d, BoxSurface(a, 2 * b, c)));
}

// UI (a U core closed by an I bar; the makers' U and I drawings): A overall
// width, B the U's height, B2 the bar's thickness, C depth, D the U's window
// height, E window width; H (the bar's width, as B2) is not used.
std::optional<FamilyGeometry> Ui(const Letters& l) {
    const double a = l("A"), b = l("B"), b2 = l("B2"), c = l("C"), d = l("D"), e = l("E");
    const double leg = (a - e) / 2;
    const Leg legs{leg * c, 2 * (leg + c), leg / 2, false};
    return Geometry(UPath({d, {b - d, b2}}, legs, e, c),
                    BothLegsGap(legs, e, d, d, BoxSurface(a, b + b2, c)));
}

// UT (one closed U, the set's full height): A overall width, B overall
// height, C depth, D window height, E window width; F is not used. No rule
// for it could be had: the U pair's, flagged.
std::optional<FamilyGeometry> Ut(const Letters& l) {
    const double a = l("A"), b = l("B"), c = l("C"), d = l("D"), e = l("E");
    const double leg = (a - e) / 2;
    const double back = (b - d) / 2;
    const Leg legs{leg * c, 2 * (leg + c), leg / 2, false};
    return Geometry(UPath({d, {back, back}}, legs, e, c),
                    BothLegsGap(legs, e, d, d / 2, BoxSurface(a, b, c)));
}

// --- The table ----------------------------------------------------------------

constexpr std::string_view kSixLetters[] = {"A", "B", "C", "D", "E", "F"};
constexpr std::string_view kEfdLetters[] = {"A", "B", "C", "D", "E", "F", "F2"};
constexpr std::string_view kRmLetters[] = {"A", "B", "D", "E", "F", "G", "J"};
constexpr std::string_view kPotLetters[] = {"A", "B", "D", "E", "F"};
constexpr std::string_view kPmLetters[] = {"A", "B", "D", "E", "F", "G"};
constexpr std::string_view kPqiLetters[] = {"A", "B", "B2", "C", "D", "E", "F"};
constexpr std::string_view kEpLetters[] = {"A", "B", "C", "D", "E", "F", "K"};
constexpr std::string_view kUiLetters[] = {"A", "B", "B2", "C", "D", "E"};
constexpr std::string_view kULetters[] = {"A", "B", "C", "D", "E"};

// Powders' fits: E-like and U-like cores take the E, ER and U cores' one;
// EQ and LP their own; the closed shapes round a centre leg take EQ/LP's,
// the nearest shape the data fits (its "PQ" set is one maker's alone).
constexpr std::string_view kEFits = "E/ER/U";
constexpr std::string_view kEqFits = "EQ/LP";

struct FamilyRow {
    CoreFamily family;
    std::span<const std::string_view> required;
    std::string_view materialKey;
    std::optional<FamilyGeometry> (*geometry)(const Letters&);
};

constexpr std::array<FamilyRow, 20> kFamilyRows = {{
    {CoreFamily::Etd, kSixLetters, kEFits, RoundLegE},
    {CoreFamily::Er, kSixLetters, kEFits, RoundLegE},
    {CoreFamily::Ec, kSixLetters, kEFits, Ec},
    {CoreFamily::Efd, kEfdLetters, kEFits, Efd},
    {CoreFamily::Eq, kSixLetters, kEqFits, RoundLegE},
    {CoreFamily::Lp, kSixLetters, kEqFits, RoundLegE},
    {CoreFamily::PlanarE, kSixLetters, kEFits, PlanarE},
    {CoreFamily::PlanarEr, kSixLetters, kEFits, RoundLegE},
    {CoreFamily::PlanarEl, kEfdLetters, kEFits, PlanarEl},
    {CoreFamily::Rm, kRmLetters, kEqFits, Rm},
    {CoreFamily::Pot, kPotLetters, kEqFits, Pot},
    {CoreFamily::Pm, kPmLetters, kEqFits, Pot},
    {CoreFamily::Pq, kSixLetters, kEqFits, Pq},
    {CoreFamily::Pqi, kPqiLetters, kEqFits, Pqi},
    {CoreFamily::Ep, kEpLetters, kEqFits, Ep},
    {CoreFamily::Epx, kEpLetters, kEqFits, Ep},
    {CoreFamily::Ur, kULetters, kEFits, Ur},
    {CoreFamily::Ui, kUiLetters, kEFits, Ui},
    {CoreFamily::Ut, kULetters, kEFits, Ut},
    {CoreFamily::C, kULetters, kEFits, UPair},
}};

constexpr int kFirstFamily = static_cast<int>(CoreFamily::Etd);

constexpr bool RowsInOrder() {
    for (std::size_t i = 0; i < kFamilyRows.size(); ++i) {
        if (static_cast<std::size_t>(kFamilyRows[i].family) != i + kFirstFamily) {
            return false;
        }
    }
    return kFamilyRows.size() + kFirstFamily == kCoreFamilies.size();
}
static_assert(RowsInOrder(), "kFamilyRows holds a row per family beyond the classic three");

const FamilyRow* RowOf(CoreFamily family) {
    const int index = static_cast<int>(family) - kFirstFamily;
    return index < 0 ? nullptr : &kFamilyRows[static_cast<std::size_t>(index)];
}

struct MissingText {
    std::string_view letter;
    std::string_view text;
};
constexpr MissingText kMissing[] = {
    {"A", "the letter A is missing"},   {"B", "the letter B is missing"},
    {"B2", "the letter B2 is missing"}, {"C", "the letter C is missing"},
    {"D", "the letter D is missing"},   {"E", "the letter E is missing"},
    {"F", "the letter F is missing"},   {"F2", "the letter F2 is missing"},
    {"G", "the letter G is missing"},   {"H", "the letter H is missing"},
    {"J", "the letter J is missing"},   {"K", "the letter K is missing"},
};

constexpr std::string_view kNoWindow =
    "the letters leave no window for the winding (every leg and back must be thicker than "
    "nothing and the window wider than the centre leg)";
constexpr std::string_view kNotAFamily = "the classic cores are not known by their letters alone";

// The first required letter the core lacks (or has as no number).
std::optional<std::string_view> MissingLetter(const FamilyRow& row, const FamilyCore& core) {
    for (const std::string_view letter : row.required) {
        const std::optional<double> value = LetterOf(core.letters, letter);
        if (!value || !std::isfinite(*value)) {
            for (const MissingText& missing : kMissing) {
                if (missing.letter == letter) {
                    return missing.text;
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> LetterOf(const ShapeLetters& letters, std::string_view letter) {
    for (const ShapeLetter& entry : letters) {
        if (entry.letter == letter) {
            return entry.millimetres;
        }
    }
    return std::nullopt;
}

CoreKind FamilyClassicKind(CoreFamily family) {
    if (const std::optional<CoreKind> classic = ClassicKindOf(family)) {
        return *classic;
    }
    return InfoOf(family).group == FamilyGroup::UAndC ? CoreKind::ShapedU : CoreKind::ShapedE;
}

std::string_view FamilyMaterialKey(CoreFamily family) {
    const FamilyRow* row = RowOf(family);
    return row ? row->materialKey : family == CoreFamily::Ring ? "default" : kEFits;
}

std::optional<std::string_view> FamilyShapeFault(const FamilyCore& core) {
    const FamilyRow* row = RowOf(core.family);
    if (!row) {
        return kNotAFamily;
    }
    if (const std::optional<std::string_view> missing = MissingLetter(*row, core)) {
        return missing;
    }
    if (!row->geometry(Letters(core.letters))) {
        return kNoWindow;
    }
    return std::nullopt;
}

std::optional<FamilyGeometry> FamilyGeometryOf(const FamilyCore& core) {
    const FamilyRow* row = RowOf(core.family);
    if (!row || MissingLetter(*row, core)) {
        return std::nullopt;
    }
    return row->geometry(Letters(core.letters));
}

}  // namespace transcalc
