#include "CoreShape.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "ClassicCore.h"

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
    double smallest = 0;
    for (const PathPart& part : parts) {
        if (!(part.area > 0)) {
            return {};
        }
        c1 += part.length / part.area;
        c2 += part.length / (part.area * part.area);
        smallest = smallest == 0 ? part.area : std::min(smallest, part.area);
    }
    const double length = c1 * c1 / c2;  // mm
    const double area = c1 / c2;         // mm²
    return {area * 1e-6, length * 1e-3, area * length * 1e-9, smallest * 1e-6};
}

// What one kind of core answers; the table below holds a row per kind.
struct ShapeRow {
    CoreKind kind;
    bool cut;
    std::string_view materialFamily;  // the key of a powder's fits for such cores
    std::span<const std::string_view> required;
    std::span<const std::string_view> refining;
    CoreDimensions (*fields)(const CoreLetters&);
    CoreLetters (*standard)(const CoreDimensions&);
    std::optional<EffectiveParameters> (*effective)(const CoreLetters&);
    std::optional<WindingWindow> (*window)(const CoreDimensions&);
    GapSite (*gap)(const CoreLetters&);
    double (*turnBase)(const CoreDimensions&);     // mm, a turn on the bare core
    double (*surface)(const CoreDimensions&);      // mm²
    double (*classicArea)(const CoreDimensions&);  // cm²
    double (*classicPath)(const CoreDimensions&);  // cm
    std::optional<std::string_view> (*fault)(const CoreLetters&);
};

// A ring: its letters are its dimension fields.
namespace ring {

constexpr std::string_view kLetters[] = {"A", "B", "C"};

CoreDimensions Fields(const CoreLetters& l) {
    return {CoreKind::Ring, l.a, l.b, l.c, 0};
}

CoreLetters Standard(const CoreDimensions& core) {
    return {CoreKind::Ring, core.d1, core.d2, core.d3, 0, 0, 0};
}

std::optional<EffectiveParameters> Effective(const CoreLetters& l) {
    const double outer = l.a / 2;
    const double inner = l.b / 2;
    if (!(inner > 0 && inner < outer)) {
        return std::nullopt;
    }
    if (!(l.c > 0)) {
        return EffectiveParameters{};
    }
    // The flux density falls as 1/r across the ring: exact, not by parts.
    const double logRatio = std::log(outer / inner);
    const double span = 1 / inner - 1 / outer;  // 1/mm
    const double length = 2 * pi * logRatio / span;
    const double area = l.c * logRatio * logRatio / span;
    const double section = (outer - inner) * l.c;
    return EffectiveParameters{area * 1e-6, length * 1e-3, area * length * 1e-9, section * 1e-6};
}

// One cut through the ring; its field fringes over a quarter of the hole.
GapSite Gap(const CoreLetters& l) {
    const double section = (l.a - l.b) / 2;
    return {section * l.c * 1e-6, 2 * (section + l.c) * 1e-3, l.b / 4 * 1e-3, 1};
}

std::optional<WindingWindow> Window(const CoreDimensions& core) {
    const double hole = core.d2 * 1e-3;
    if (!(hole > 0)) {
        return std::nullopt;
    }
    return WindingWindow{hole / 2, 0, pi * hole * hole / 4, hole};
}

double TurnBase(const CoreDimensions& core) {
    return core.d1 - core.d2 + 2 * core.d3;
}

double Surface(const CoreDimensions& core) {
    return 2 * (pi / 4) * (core.d1 * core.d1 - core.d2 * core.d2) +
           pi * (core.d1 + core.d2) * core.d3;
}

double ClassicArea(const CoreDimensions& core) {
    return ClassicRingArea(CentimetresOf(core.d1), CentimetresOf(core.d2), CentimetresOf(core.d3));
}

double ClassicPath(const CoreDimensions& core) {
    return ClassicRingPath(CentimetresOf(core.d1), CentimetresOf(core.d2));
}

std::optional<std::string_view> Fault(const CoreLetters& l) {
    if (l.b >= l.a) {
        return "the inner diameter B must be smaller than the outer diameter A";
    }
    return std::nullopt;
}

}  // namespace ring

// What a Ш and a П core pair share.
namespace shaped {

constexpr std::string_view kRefining[] = {"D", "E"};

double TurnBase(const CoreDimensions& core) {
    return 2 * (core.d3 + core.d4);
}

// The box of height 2·H1, width H2 and depth L2.
double Surface(const CoreDimensions& core) {
    const double height = 2 * core.d1;
    return 2 * (height * core.d2 + height * core.d4 + core.d2 * core.d4);
}

double ClassicArea(const CoreDimensions& core) {
    return ClassicShapedArea(CentimetresOf(core.d3), CentimetresOf(core.d4));
}

std::optional<WindingWindow> WindowOf(double breadthMm, double heightMm) {
    if (!(breadthMm > 0 && heightMm > 0)) {
        return std::nullopt;
    }
    return WindingWindow{breadthMm * 1e-3, heightMm * 1e-3, breadthMm * heightMm * 1e-6, 0};
}

}  // namespace shaped

namespace e_core {

constexpr std::string_view kLetters[] = {"A", "B", "C", "F"};

CoreDimensions Fields(const CoreLetters& l) {
    return {CoreKind::ShapedE, l.b, l.a, l.f, l.c};
}

CoreLetters Standard(const CoreDimensions& core) {
    const double h1 = core.d1, h2 = core.d2, l1 = core.d3, l2 = core.d4;
    return {CoreKind::ShapedE, h2, h1, l2, h1 - l1 / 2, h2 - l1, l1};
}

std::optional<EffectiveParameters> Effective(const CoreLetters& l) {
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

// One gap in the centre leg, half-way up the window (kFringeShare).
GapSite Gap(const CoreLetters& l) {
    return {l.f * l.c * 1e-6, 2 * (l.f + l.c) * 1e-3, kFringeShare * l.d * 1e-3, 1};
}

// The window on either side of the centre leg, the pair's full height less
// half a leg above and below.
std::optional<WindingWindow> Window(const CoreDimensions& core) {
    return shaped::WindowOf((core.d2 - 2 * core.d3) / 2, 2 * core.d1 - core.d3);
}

double ClassicPath(const CoreDimensions& core) {
    return ClassicShapedPath(true, CentimetresOf(core.d1), CentimetresOf(core.d2),
                             CentimetresOf(core.d3));
}

std::optional<std::string_view> Fault(const CoreLetters& l) {
    if (l.f >= l.a / 2 || l.f >= 2 * l.b) {
        return "the centre leg F leaves no window for the winding (F must be below A/2 and "
               "below 2*B)";
    }
    return std::nullopt;
}

}  // namespace e_core

namespace u_core {

constexpr std::string_view kLetters[] = {"A", "B", "C", "E"};

CoreDimensions Fields(const CoreLetters& l) {
    return {CoreKind::ShapedU, l.b, l.a, (l.a - l.e) / 2, l.c};
}

CoreLetters Standard(const CoreDimensions& core) {
    const double h1 = core.d1, h2 = core.d2, l1 = core.d3, l2 = core.d4;
    return {CoreKind::ShapedU, h2, h1, l2, h1 - l1, h2 - 2 * l1, 0};
}

std::optional<EffectiveParameters> Effective(const CoreLetters& l) {
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

// A gap in each leg: a spacer between the halves cuts both. Each lies
// half-way up the window like an E core's, and fringes as far.
GapSite Gap(const CoreLetters& l) {
    const double leg = (l.a - l.e) / 2;
    return {leg * l.c * 1e-6, 2 * (leg + l.c) * 1e-3, kFringeShare * l.d * 1e-3, 2};
}

// The window between the two legs, the pair's height less a back at either
// end.
std::optional<WindingWindow> Window(const CoreDimensions& core) {
    return shaped::WindowOf(core.d2 - 2 * core.d3, 2 * (core.d1 - core.d3));
}

double ClassicPath(const CoreDimensions& core) {
    return ClassicShapedPath(false, CentimetresOf(core.d1), CentimetresOf(core.d2),
                             CentimetresOf(core.d3));
}

std::optional<std::string_view> Fault(const CoreLetters& l) {
    if (l.e >= l.a) {
        return "the window width E must be smaller than the overall width A";
    }
    if ((l.a - l.e) / 2 >= l.b) {
        return "the legs (A-E)/2 leave no window for the winding (they must be below B)";
    }
    return std::nullopt;
}

}  // namespace u_core

constexpr std::array<ShapeRow, 3> kShapes = {{
    {CoreKind::Ring,
     false,
     "default",
     ring::kLetters,
     {},
     ring::Fields,
     ring::Standard,
     ring::Effective,
     ring::Window,
     ring::Gap,
     ring::TurnBase,
     ring::Surface,
     ring::ClassicArea,
     ring::ClassicPath,
     ring::Fault},
    {CoreKind::ShapedE, true, "E/ER/U", e_core::kLetters, shaped::kRefining, e_core::Fields,
     e_core::Standard, e_core::Effective, e_core::Window, e_core::Gap, shaped::TurnBase,
     shaped::Surface, shaped::ClassicArea, e_core::ClassicPath, e_core::Fault},
    {CoreKind::ShapedU, true, "E/ER/U", u_core::kLetters, shaped::kRefining, u_core::Fields,
     u_core::Standard, u_core::Effective, u_core::Window, u_core::Gap, shaped::TurnBase,
     shaped::Surface, shaped::ClassicArea, u_core::ClassicPath, u_core::Fault},
}};

constexpr bool ShapesInOrder() {
    for (std::size_t i = 0; i < kShapes.size(); ++i) {
        if (static_cast<std::size_t>(kShapes[i].kind) != i) {
            return false;
        }
    }
    return kShapes.size() == kCoreKinds.size();
}
static_assert(ShapesInOrder(), "kShapes holds a row per core kind, in the enum's order");

const ShapeRow& RowOf(CoreKind kind) {
    return kShapes[static_cast<std::size_t>(kind)];
}

}  // namespace

double WindingWindow::LayerLength(double build, double d) const {
    return IsHole() ? pi * (hole - 2 * build - d) : height;
}

double WindingWindow::PlacesPerLayer(double build, double d) const {
    return std::floor(LayerLength(build, d) / d);
}

CoreShape::CoreShape(const CoreDimensions& typed, const std::optional<CoreLetters>& letters)
    : typed_(typed),
      letters_(letters && letters->kind == typed.kind ? *letters
                                                      : RowOf(typed.kind).standard(typed)) {}

CoreShape CoreShape::OfLetters(const CoreLetters& letters) {
    return CoreShape(RowOf(letters.kind).fields(letters), letters);
}

CoreShape CoreShape::OfFamily(const FamilyCore& core, std::optional<BobbinWindow> bobbin) {
    const CoreKind kind = FamilyClassicKind(core.family);
    CoreShape shape(CoreDimensions{kind, 0, 0, 0, 0}, CoreLetters{kind, 0, 0, 0, 0, 0, 0});
    shape.family_ = FamilyPart{core.family, FamilyGeometryOf(core), bobbin, FamilyShapeFault(core)};
    return shape;
}

CoreFamily CoreShape::Family() const {
    return family_ ? family_->family : FamilyOfKind(Kind());
}

bool CoreShape::IsCut(CoreKind kind) {
    return RowOf(kind).cut;
}

std::string_view CoreShape::MaterialFamily() const {
    return family_ ? FamilyMaterialKey(family_->family) : RowOf(Kind()).materialFamily;
}

double CoreShape::ClassicArea() const {
    if (family_) {
        return family_->geometry ? family_->geometry->area : 0;
    }
    return RowOf(Kind()).classicArea(typed_) * 1e-4;
}

double CoreShape::ClassicPath() const {
    if (family_) {
        return family_->geometry ? family_->geometry->length : 0;
    }
    return RowOf(Kind()).classicPath(typed_) * 1e-2;
}

std::optional<EffectiveParameters> CoreShape::Effective() const {
    if (family_) {
        if (!family_->geometry) {
            return std::nullopt;
        }
        const FamilyGeometry& g = *family_->geometry;
        return EffectiveParameters{g.area, g.length, g.volume, g.minimumArea};
    }
    return RowOf(Kind()).effective(letters_);
}

std::optional<GapSite> CoreShape::Gap() const {
    if (!Effective()) {
        return std::nullopt;
    }
    if (family_) {
        const FamilyGeometry& g = *family_->geometry;
        return GapSite{g.gapLegArea, g.gapLegPerimeter, g.fringeHeight, g.gapCount};
    }
    return RowOf(Kind()).gap(letters_);
}

std::optional<WindingWindow> CoreShape::Window() const {
    if (family_) {
        if (family_->bobbin) {
            return shaped::WindowOf(family_->bobbin->breadth, family_->bobbin->height);
        }
        if (!family_->geometry) {
            return std::nullopt;
        }
        return shaped::WindowOf(family_->geometry->windowBreadth * 1e3,
                                family_->geometry->windowHeight * 1e3);
    }
    return RowOf(Kind()).window(typed_);
}

double CoreShape::TurnLength(double build) const {
    if (family_) {
        return (family_->geometry ? family_->geometry->turnBase : 0) + 2 * pi * build;
    }
    return RowOf(Kind()).turnBase(typed_) * 1e-3 + 2 * pi * build;
}

double CoreShape::OuterSurface() const {
    if (family_) {
        return family_->geometry ? family_->geometry->outerSurface : 0;
    }
    return RowOf(Kind()).surface(typed_) * 1e-6;
}

std::span<const std::string_view> CoreShape::RequiredLetters(CoreKind kind) {
    return RowOf(kind).required;
}

std::span<const std::string_view> CoreShape::RefiningLetters(CoreKind kind) {
    return RowOf(kind).refining;
}

std::optional<std::string_view> CoreShape::WindowFault() const {
    return family_ ? family_->fault : RowOf(Kind()).fault(letters_);
}

}  // namespace transcalc
