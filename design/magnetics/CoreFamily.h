#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "Language.h"
#include "WorkMode.h"

namespace transcalc {

// The families of standard cores, by the shapes of their drawings. The
// classic three (ring, Ш, П) are the core kinds of the results list, with
// their own fields and pictures; every other family is known by its letters
// alone and enters the classic designs by its effective area and path.
enum class CoreFamily {
    Ring,
    E,
    U,
    Etd,
    Er,
    Ec,
    Efd,
    Eq,
    Lp,
    PlanarE,
    PlanarEr,
    PlanarEl,
    Rm,
    Pot,
    Pm,
    Pq,
    Pqi,
    Ep,
    Epx,
    Ur,
    Ui,
    Ut,
    C,
};

// Families that look alike share one drawing in the window and the report.
enum class FamilyGroup {
    Ring,
    E,
    U,
    RoundLegE,  // E-like pairs: ETD, ER, EC, EFD, EQ, LP
    Planar,     // low planar E, ER and EL pairs
    Pot,        // closed shapes around a round centre leg: RM, pot, PM, PQ, EP
    UAndC,      // U cores with round legs, U+I sets, closed U, cut C cores
};

struct FamilyInfo {
    CoreFamily family;
    std::string_view key;          // the command line's --core and the files' name
    std::string_view dataKey;      // the public shape data's "family"
    std::string_view russianName;  // as a user reads it
    std::string_view englishName;
    FamilyGroup group;
};

inline constexpr std::array<FamilyInfo, 23> kCoreFamilies = {{
    {CoreFamily::Ring, "ring", "t", "кольцо", "ring", FamilyGroup::Ring},
    {CoreFamily::E, "e", "e", "Ш (E)", "E", FamilyGroup::E},
    {CoreFamily::U, "u", "u", "П (U)", "U", FamilyGroup::U},
    {CoreFamily::Etd, "etd", "etd", "ETD", "ETD", FamilyGroup::RoundLegE},
    {CoreFamily::Er, "er", "er", "ER", "ER", FamilyGroup::RoundLegE},
    {CoreFamily::Ec, "ec", "ec", "EC", "EC", FamilyGroup::RoundLegE},
    {CoreFamily::Efd, "efd", "efd", "EFD", "EFD", FamilyGroup::RoundLegE},
    {CoreFamily::Eq, "eq", "eq", "EQ", "EQ", FamilyGroup::RoundLegE},
    {CoreFamily::Lp, "lp", "lp", "LP", "LP", FamilyGroup::RoundLegE},
    {CoreFamily::PlanarE, "planar-e", "planarE", "планарный E", "planar E", FamilyGroup::Planar},
    {CoreFamily::PlanarEr, "planar-er", "planarER", "планарный ER", "planar ER",
     FamilyGroup::Planar},
    {CoreFamily::PlanarEl, "planar-el", "planarEL", "планарный EL", "planar EL",
     FamilyGroup::Planar},
    {CoreFamily::Rm, "rm", "rm", "RM", "RM", FamilyGroup::Pot},
    {CoreFamily::Pot, "pot", "p", "чашка (P)", "pot (P)", FamilyGroup::Pot},
    {CoreFamily::Pm, "pm", "pm", "PM", "PM", FamilyGroup::Pot},
    {CoreFamily::Pq, "pq", "pq", "PQ", "PQ", FamilyGroup::Pot},
    {CoreFamily::Pqi, "pqi", "pqi", "PQI", "PQI", FamilyGroup::Pot},
    {CoreFamily::Ep, "ep", "ep", "EP", "EP", FamilyGroup::Pot},
    {CoreFamily::Epx, "epx", "epx", "EPX", "EPX", FamilyGroup::Pot},
    {CoreFamily::Ur, "ur", "ur", "UR", "UR", FamilyGroup::UAndC},
    {CoreFamily::Ui, "ui", "ui", "UI", "UI", FamilyGroup::UAndC},
    {CoreFamily::Ut, "ut", "ut", "UT", "UT", FamilyGroup::UAndC},
    {CoreFamily::C, "c", "c", "C", "C", FamilyGroup::UAndC},
}};

constexpr const FamilyInfo& InfoOf(CoreFamily family) {
    return kCoreFamilies[static_cast<int>(family)];
}

constexpr std::string_view FamilyName(CoreFamily family, Language language) {
    return language == Language::English ? InfoOf(family).englishName : InfoOf(family).russianName;
}

// The family a --core key or a files' name names, compared as a whole text.
constexpr std::optional<CoreFamily> FamilyOfKey(std::string_view key) {
    for (const FamilyInfo& info : kCoreFamilies) {
        if (info.key == key) {
            return info.family;
        }
    }
    return std::nullopt;
}

// The family the public shape data names by its "family".
constexpr std::optional<CoreFamily> FamilyOfDataKey(std::string_view key) {
    for (const FamilyInfo& info : kCoreFamilies) {
        if (info.dataKey == key) {
            return info.family;
        }
    }
    return std::nullopt;
}

// The classic kind of the three classic families; none for the others.
constexpr std::optional<CoreKind> ClassicKindOf(CoreFamily family) {
    switch (family) {
        case CoreFamily::Ring:
            return CoreKind::Ring;
        case CoreFamily::E:
            return CoreKind::ShapedE;
        case CoreFamily::U:
            return CoreKind::ShapedU;
        default:
            return std::nullopt;
    }
}

constexpr CoreFamily FamilyOfKind(CoreKind kind) {
    return kind == CoreKind::Ring      ? CoreFamily::Ring
           : kind == CoreKind::ShapedE ? CoreFamily::E
                                       : CoreFamily::U;
}

// The file name of the group's drawing under resources/, without ".svg";
// the classic groups draw as their kinds do.
constexpr std::string_view GroupDrawing(FamilyGroup group) {
    switch (group) {
        case FamilyGroup::Ring:
            return InfoOf(CoreKind::Ring).drawing;
        case FamilyGroup::E:
            return InfoOf(CoreKind::ShapedE).drawing;
        case FamilyGroup::U:
            return InfoOf(CoreKind::ShapedU).drawing;
        case FamilyGroup::RoundLegE:
            return "round-leg-e-core";
        case FamilyGroup::Planar:
            return "planar-core";
        case FamilyGroup::Pot:
            return "pot-core";
        case FamilyGroup::UAndC:
            return "uc-core";
    }
    return {};
}

constexpr std::string_view FamilyDrawing(CoreFamily family) {
    return GroupDrawing(InfoOf(family).group);
}

}  // namespace transcalc
