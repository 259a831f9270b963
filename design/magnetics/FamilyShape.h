#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CoreFamily.h"

namespace transcalc {

// A gap half-way up a window fringes over three quarters of the way to
// either back (a gap against a plate: of the window beside it). So the
// makers' A_L of gapped E 65/32/27 and E 42/21/15 sets, from 0.36 to 4 mm,
// come out within 7 %.
inline constexpr double kFringeShare = 0.75;

// A standard core's dimensions under the letters of its family's drawing
// (A, B, C, ..., F2, R1), in mm.
struct ShapeLetter {
    std::string letter;
    double millimetres = 0;

    bool operator==(const ShapeLetter& other) const = default;
};
using ShapeLetters = std::vector<ShapeLetter>;

// The letter's value; none when the core lacks it.
std::optional<double> LetterOf(const ShapeLetters& letters, std::string_view letter);

// The winding space a bobbin that fits the core leaves, in mm: the breadth
// layers build up in and the height of one layer.
struct BobbinWindow {
    double breadth = 0;
    double height = 0;

    bool operator==(const BobbinWindow& other) const = default;
};

// Geometry of a core of a family beyond the classic three, in SI units, as
// the effective parameters, gap, window, turn and surface of CoreShape (see
// there); FamilyShape.cpp holds a row per family with its letters' meanings.
struct FamilyGeometry {
    double area = 0;         // m², A_e
    double length = 0;       // m, l_e
    double volume = 0;       // m³, V_e
    double minimumArea = 0;  // m², A_min
    double gapLegArea = 0;   // m², the gapped leg
    double gapLegPerimeter = 0;
    double fringeHeight = 0;   // m
    int gapCount = 1;          // 2 where a spacer cuts two legs (U, C)
    double windowBreadth = 0;  // m, bare core
    double windowHeight = 0;   // m, both halves
    double turnBase = 0;       // m, a turn at build 0 (round leg: 2π·r)
    bool roundLeg = false;
    double outerSurface = 0;  // m², the assembled set
};

// A core of a family beyond the classic three as its drawing gives it; the
// subtype tells the drawing's variants apart where the data has them (RM
// with or without a centre hole, PM, pot, EFD, UR); the letters alone
// decide the geometry.
struct FamilyCore {
    CoreFamily family = CoreFamily::Etd;
    std::string subtype;
    ShapeLetters letters;

    bool operator==(const FamilyCore& other) const = default;
};

// A catalogue core of such a family as a design holds it: the core and the
// window of the bobbin that fits it, where the catalogue has one.
struct CatalogueFamilyCore {
    FamilyCore core;
    std::optional<BobbinWindow> bobbin;

    bool operator==(const CatalogueFamilyCore& other) const = default;
};

// What the classic designs take a core of the family for: a Ш core where
// its gap cuts the centre leg, a П core where a spacer cuts both legs.
CoreKind FamilyClassicKind(CoreFamily family);

// Which of a powder material's fits, each made on cores of one family,
// holds for the family: "E/ER/U" or "EQ/LP".
std::string_view FamilyMaterialKey(CoreFamily family);

// Why the letters leave no core (a required letter missing, or no window);
// none when they make one. Only for families beyond the classic three.
std::optional<std::string_view> FamilyShapeFault(const FamilyCore& core);

// The geometry; none where FamilyShapeFault names a fault.
std::optional<FamilyGeometry> FamilyGeometryOf(const FamilyCore& core);

}  // namespace transcalc
