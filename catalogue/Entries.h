#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "CoreFamily.h"
#include "CoreShape.h"
#include "FamilyShape.h"
#include "Material.h"
#include "WorkMode.h"

namespace transcalc::catalogue {

// One dimension of a standard core under its letter (A, B, C, ..., R1).
struct Dimension {
    std::string letter;
    double millimetres = 0;
};

// A standard core with every letter its drawing gives: a ring, Ш-shaped (E)
// or П-shaped (U) core, which the dimension fields take, or a core of another
// family (ETD, RM, PQ, ...), known by its letters alone.
struct Core {
    std::string name;
    // The classic kind of a ring, Ш or П core; a core of another family
    // leaves it Ring, so ask IsClassic() first.
    CoreKind kind = CoreKind::Ring;
    std::vector<Dimension> dimensions;
    // A family beyond the classic three; none for a ring, Ш or П core.
    std::optional<CoreFamily> otherFamily;
    std::string subtype;               // the drawing's variant, where the data has one
    std::vector<std::string> aliases;  // other names it is found by: "ETD 39"
    // The winding spaces of the bobbins that fit it, the most common first.
    std::vector<BobbinWindow> bobbins;

    std::optional<double> Millimetres(std::string_view letter) const;
    CoreFamily Family() const { return otherFamily.value_or(FamilyOfKind(kind)); }
    // A ring, Ш or П core, whose dimensions the fields take.
    bool IsClassic() const { return !otherFamily; }
    // The window of the most common bobbin; none without a bobbin.
    std::optional<BobbinWindow> Bobbin() const;
};

// An IEC 60317 round copper wire of one insulation grade.
struct Wire {
    std::string name;
    int grade = 0;
    double conductorDiameter = 0;  // mm
    double outerDiameter = 0;      // mm
};

// The whole catalogue: the built-in entries with the user's own merged in,
// and the problems met in the user's files.
struct Catalogue {
    std::vector<Core> cores;
    std::vector<Material> materials;
    std::vector<Wire> wires;
    std::vector<std::string> messages;  // "FILE:LINE: what", one a problem
};

// Which lists of the catalogue to load: a run that needs one list need not
// pay for reading the others.
struct Parts {
    bool cores = true;
    bool materials = true;
    bool wires = true;
    // Only the built-in entries of this name: one design needs one core and
    // one material, not the whole lists. The user's files are read whole.
    std::optional<std::string> named;
};

// A classic core's letters as its geometry takes them; a letter it lacks is 0.
CoreLetters LettersOf(const Core& core);

// A core of a family beyond the classic three as its drawing gives it.
FamilyCore FamilyCoreOf(const Core& core);

// The same with the window of the bobbin that fits it, as a design shows it.
CatalogueFamilyCore CatalogueFamilyCoreOf(const Core& core);

}  // namespace transcalc::catalogue
