#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Calculate.h"
#include "FamilyShape.h"
#include "InputField.h"
#include "Language.h"

namespace transcalc {
struct AdviserCatalogue;
struct AdviserInputs;
struct CoreLetters;
struct Design;
struct Material;
struct RoundWire;
}  // namespace transcalc

namespace transcalc::cli {

class OptionList;

// What the catalogue options of one command line ask for.
struct CatalogueChoice {
    std::optional<std::string> coreName;      // --core-name; its own name once found
    std::optional<std::string> materialName;  // --material
    std::optional<std::string> list;          // --list: "cores", "materials" or "wires"
    bool coreHeld = false;                    // the chosen core's dimensions still stand
    // The chosen core when it is of a family beyond the classic three: it
    // takes no dimension field, the design holds it whole.
    std::optional<CatalogueFamilyCore> familyCore;
};

// Which input fields the command line set by an option of their own.
using TypedFields = std::array<bool, kFieldCount>;

// Adds --core-name, --material and --list to list, each filling choice. A
// --list of nothing it can list throws UsageError from the parse.
void AddCatalogueOptions(OptionList& list, CatalogueChoice& choice);

// Shows the chosen core's picture and fills the fields that the core and the
// material give, except the typed ones; true when a core was chosen and its
// dimensions still stand. A core named by an alias takes its own name in
// `choice`; a core of a family beyond ring, Ш and П fills no field and is
// kept whole in `choice`. An unknown name throws UsageError naming the
// closest entries.
bool ApplyCatalogue(CatalogueChoice& choice, const TypedFields& typed, InputFields& fields,
                    CorePictures& cores, std::string_view separator);

// The material of the design check by its exact name. An unknown name throws
// UsageError naming the closest entries.
const Material& CheckMaterial(const std::string& name);

// The catalogue's round wires, in metres, for the winding check.
std::vector<RoundWire> CheckWires();

// The letters of the design's catalogue core for the design check while its
// fields still hold it; none for an unknown name or fields typed over.
std::optional<CoreLetters> CheckCoreLetters(const Design& design, std::string_view separator);

// The cores of the inputs' kinds, their material and the wires, as the
// adviser searches them. Throws UsageError, in the language, for an unknown
// material.
AdviserCatalogue SearchedCatalogue(const AdviserInputs& inputs, Language language);

// Drops the names of a design file that the catalogue lacks, each with a
// warning on stderr; looks the catalogue up only for a name the design gives.
void ResolveCatalogueNames(Design& design, const std::string& path);

// The --list output: the header line and one entry a line in the catalogue
// file format, or with json one array of objects (CatalogueJson.h); cores
// only of the families given, when any is.
std::string CatalogueListing(const CatalogueChoice& choice, std::span<const CoreFamily> families,
                             bool json);

}  // namespace transcalc::cli
