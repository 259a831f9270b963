#pragma once

// The catalogue of standard cores, core materials and round wires, free of
// any window toolkit.
//
// How the pieces fit:
//   Entries      a core (family, kind, every letter in mm, aliases and
//                bobbin windows), a wire, the whole
//                Catalogue and the Parts of it to load; materials are
//                design/Material.
//   EntryLines   the tab-separated file format: lines -> entries with a
//                message per malformed line, entries -> lines.
//   BuiltinText  the three catalogue files of resources/catalogue, compiled
//                into the program, so no install path is looked up.
//   UserFiles    the user's own files in $XDG_DATA_HOME/transcalc, merged over
//                the built-in entries by name.
//   FieldTexts   what the input fields take from a core or a material.
//   Search       the filter of the lists, a core by name or alias, and the
//                names closest to an unknown one.
//   AdviserCandidates  the cores, material and wires as the core adviser takes
//                them.
//   Catalogue    (this file) loading once on first use, lookup by name, and
//                the problems as the window lists them.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Entries.h"
#include "EntryLines.h"

namespace transcalc {
struct CoreLetters;
struct Design;
struct RoundWire;
}  // namespace transcalc

namespace transcalc::catalogue {

// The built-in entries alone, of the chosen parts.
Catalogue BuiltinCatalogue(Parts parts = {});

// The built-in entries with the user files of `userFolder` merged in.
Catalogue LoadCatalogue(const std::filesystem::path& userFolder, Parts parts = {});

// The catalogue of this run: loaded from UserDataFolder() on the first call,
// the same object afterwards.
const Catalogue& SharedCatalogue();

// How many problems of the user's files the window's error box lists.
inline constexpr std::size_t kListedProblems = 20;

// The problems one a line, at most `listed` of them, then "… and N more"
// for the rest: a file of thousands of bad lines still fits a box.
std::string ProblemsText(const Messages& messages, std::size_t listed = kListedProblems);

// Exact lookup by name, a core also by its alias; nullptr when there is no
// such entry.
const Core* FindCore(const Catalogue& catalogue, std::string_view name);
const Material* FindMaterial(const Catalogue& catalogue, std::string_view name);
const Wire* FindWire(const Catalogue& catalogue, std::string_view name);

// The catalogue's wires as the winding check takes them, in metres.
std::vector<RoundWire> RoundWires(const Catalogue& catalogue);

// The letters of the design's catalogue core while its fields still hold
// that core; none without a catalogue core or for one the catalogue lacks.
std::optional<CoreLetters> CatalogueCoreLetters(const Catalogue& catalogue, const Design& design,
                                                std::string_view separator);

// Gives a catalogue that holds the cores, or the materials, when first asked.
using CatalogueSource = std::function<const Catalogue&()>;

// Drops from a design the catalogue core and material names that the
// catalogue lacks: the dimensions stay, the name goes. A core of a family
// beyond the classic three takes its letters and bobbin from the catalogue;
// without that core the design has no core at all. One message for each
// name dropped, naming the design file. A source is asked only when the
// design names an entry of its kind.
std::vector<std::string> ResolveCatalogueNames(Design& design, std::string_view fileName,
                                               const CatalogueSource& cores,
                                               const CatalogueSource& materials);

}  // namespace transcalc::catalogue
