#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "FamilyShape.h"
#include "WorkMode.h"

namespace transcalc {

// A core's geometry, answered in one place: what the check, the windings,
// the adviser, the catalogue and the report know of a core they ask here.
// Each kind of core is one row of a table in CoreShape.cpp (its letters, how
// its dimension fields follow from them, its effective parameters, window,
// turn and surface), so a new family of cores is one new row. The families
// beyond the classic three are known by their letters alone: one row each
// in FamilyShape.cpp.

// The dimension fields of a core as read, in mm: a ring's D1, D2, H; a Ш or
// П core's H1, H2, L1, L2.
struct CoreDimensions {
    CoreKind kind = CoreKind::Ring;
    double d1 = 0;
    double d2 = 0;
    double d3 = 0;
    double d4 = 0;
};

// A core's letters in mm as its standard names them. A ring: A the outer
// and B the inner diameter, C the height. A Ш or П core pair: A the width,
// B the half height, C the depth, D the window's half height, E the window's
// span, F the centre leg (Ш only).
struct CoreLetters {
    CoreKind kind = CoreKind::ShapedE;
    double a = 0;
    double b = 0;
    double c = 0;
    double d = 0;
    double e = 0;
    double f = 0;
};

// The effective parameters by the standard method (IEC 60205): the magnetic
// path split into parts of length l_i and cross-section A_i,
// C1 = Σ l_i/A_i, C2 = Σ l_i/A_i², l_e = C1²/C2, A_e = C1/C2, V_e = l_e·A_e;
// A_min the smallest cross-section on the path. The results list's
// centre-line path is 7 % short on Ш cores and up to 12 % long on thick
// rings; these are what the makers' datasheets give.
struct EffectiveParameters {
    double area = 0;         // m², A_e
    double length = 0;       // m, l_e
    double volume = 0;       // m³, V_e
    double minimumArea = 0;  // m², A_min
};

// Where a core's air gap lies: the leg it cuts and how many times. The total
// gap splits evenly into `count` gaps, each on a leg of cross-section A_g and
// perimeter C, its field fringing over a height h of the leg's faces.
struct GapSite {
    double legArea = 0;       // m², A_g
    double legPerimeter = 0;  // m, C
    double fringeHeight = 0;  // m, h
    int count = 1;
};

// Where a winding lies: a shaped core's window, or a ring's hole, whose
// layers each hold fewer turns than the one below.
struct WindingWindow {
    double breadth = 0;  // m: the depth layers build up in (a ring: the hole's radius)
    double height = 0;   // m: the length of a layer (a shaped core)
    double area = 0;     // m²
    double hole = 0;     // m: a ring's inner diameter; 0 for a shaped core

    bool IsHole() const { return hole > 0; }
    // The length a layer of wires of outer diameter d wound at build b may
    // take: the window's height, or the circle through a ring's wire centres.
    double LayerLength(double build, double d) const;
    // Places for wires of outer diameter d in one layer wound at build b.
    double PlacesPerLayer(double build, double d) const;
};

class CoreShape {
public:
    // A core as its dimension fields give it, with a catalogue core's letters
    // when they are of the same kind; else the standard proportions: legs and
    // backs of equal cross-section (Ш: A = H2, B = H1, C = L2, F = L1,
    // E = H2 − L1, D = H1 − L1/2; П: A = H2, B = H1, C = L2, E = H2 − 2·L1,
    // D = H1 − L1).
    explicit CoreShape(const CoreDimensions& typed,
                       const std::optional<CoreLetters>& letters = std::nullopt);
    // A catalogue core: the dimension fields its letters fill in, and those
    // letters.
    static CoreShape OfLetters(const CoreLetters& letters);
    // A core of a family beyond the classic three by its letters, wound on
    // the bobbin's window where one fits it.
    static CoreShape OfFamily(const FamilyCore& core,
                              std::optional<BobbinWindow> bobbin = std::nullopt);

    // The classic kind the designs take the core for: a family core's gap
    // site decides it (Ш: the centre leg; П: both legs).
    CoreKind Kind() const { return typed_.kind; }
    CoreFamily Family() const;
    // A family core has no dimension fields nor classic letters: zeros of
    // its classic kind.
    const CoreDimensions& Dimensions() const { return typed_; }
    const CoreLetters& Letters() const { return letters_; }
    // Whether cores of the kind are pairs of halves that can be gapped; a
    // ring is not cut.
    static bool IsCut(CoreKind kind);
    // Which of a powder material's fits, each made on cores of one family,
    // holds for this core: "default" (rings), "E/ER/U" or "EQ/LP".
    std::string_view MaterialFamily() const;

    // The results list's cross-section (m²) and path (m), by the classic
    // formulas from the dimension fields; a family core's A_e and l_e.
    double ClassicArea() const;
    double ClassicPath() const;
    // None when the core leaves no window for a winding (a ring whose inner
    // diameter is not between 0 and the outer one; a shaped core whose legs,
    // back, window height or, Ш, window span less the centre leg is not
    // positive). A core without depth or height gives zeros.
    std::optional<EffectiveParameters> Effective() const;
    // Where the gap lies; none where the core leaves no window.
    std::optional<GapSite> Gap() const;
    // The window as the dimension fields give it, in the standard
    // proportions; none where it is not positive. A family core: its
    // bobbin's window, else the bare core's.
    std::optional<WindingWindow> Window() const;
    // Whether Window() is a bobbin's, whose walls are already allowed for.
    bool WindsOnBobbin() const { return family_ && family_->bobbin; }
    // The mean length of a turn wound at build b (m) over the bare core, m.
    double TurnLength(double build) const;
    // The outer surface that sheds the core's heat, m²: a ring's faces and
    // rims; a shaped pair as the box of height 2·H1, width H2 and depth L2.
    double OuterSurface() const;

    // The letters a catalogue core of the kind must have, and those beyond
    // its dimension fields that refine its effective parameters (none for a
    // ring, whose fields are its letters).
    static std::span<const std::string_view> RequiredLetters(CoreKind kind);
    static std::span<const std::string_view> RefiningLetters(CoreKind kind);
    // Why a catalogue core's letters leave no window for the winding, judged
    // on the dimensions its fields take; none when they leave one.
    std::optional<std::string_view> WindowFault() const;

private:
    // What a family core holds instead of dimension fields.
    struct FamilyPart {
        CoreFamily family;
        std::optional<FamilyGeometry> geometry;
        std::optional<BobbinWindow> bobbin;
        std::optional<std::string_view> fault;
    };

    CoreShape(const CoreDimensions& typed, const CoreLetters& letters)
        : typed_(typed), letters_(letters) {}

    CoreDimensions typed_;
    CoreLetters letters_;
    std::optional<FamilyPart> family_;
};

}  // namespace transcalc
