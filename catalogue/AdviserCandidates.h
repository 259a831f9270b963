#pragma once

#include <string_view>

#include "Adviser.h"
#include "Entries.h"

namespace transcalc::catalogue {

// One catalogue core as the adviser takes it: its dimension fields as
// CoreFieldTexts fills them and, for a shaped core, the letters that the
// check takes while the fields hold it; a core of another family by its
// letters and the bobbin that fits it.
AdviserCore AdviserCoreOf(const Core& core, std::string_view separator);

// What the adviser searches for the inputs: the catalogue's cores of the
// inputs' families in catalogue order, the inputs' material with
// the fields it fills, and the round wires. Throws AdviserInputError for a material the
// catalogue lacks, naming the closest ones.
AdviserCatalogue AdviserCatalogueOf(const Catalogue& catalogue, const AdviserInputs& inputs);

}  // namespace transcalc::catalogue
