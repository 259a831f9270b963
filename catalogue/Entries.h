#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "CoreShape.h"
#include "Material.h"
#include "WorkMode.h"

namespace transcalc::catalogue {

// One dimension of a standard core under its letter (A, B, C, ..., R1).
struct Dimension {
    std::string letter;
    double millimetres = 0;
};

// A standard core: ring, Ш-shaped (E) or П-shaped (U), with every letter its
// standard gives.
struct Core {
    std::string name;
    CoreKind kind = CoreKind::Ring;
    std::vector<Dimension> dimensions;

    std::optional<double> Millimetres(std::string_view letter) const;
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

// A core's letters as its geometry takes them; a letter it lacks is 0.
CoreLetters LettersOf(const Core& core);

}  // namespace transcalc::catalogue
