#pragma once

#include <filesystem>
#include <string_view>

#include "Adviser.h"
#include "Entries.h"
#include "EntryLines.h"

namespace transcalc::catalogue {

// One catalogue core as the adviser takes it: its dimension fields as
// CoreFieldTexts fills them and, for a shaped core, the letters that the
// check takes while the fields hold it; a core of another family by its
// letters and the bobbin that fits it.
AdviserCore AdviserCoreOf(const Core& core, std::string_view separator);

// What the adviser searches for the inputs: the catalogue's cores of the
// inputs' families in catalogue order, the inputs' material with the fields
// it fills, and the round wires. Throws AdviserInputError for a material the
// catalogue lacks, naming the closest ones.
AdviserCatalogue AdviserCatalogueOf(const Catalogue& catalogue, const AdviserInputs& inputs);

// The same from the built-in catalogue with the user files of `userFolder`
// merged in as LoadCatalogue merges them, but each core becomes the adviser's
// as it is read: 100 000 user cores are never held parsed beside the
// search's own list. The problems of the files join `messages`, also when it
// throws.
AdviserCatalogue AdviserCatalogueOf(const std::filesystem::path& userFolder,
                                    const AdviserInputs& inputs, Messages& messages);

}  // namespace transcalc::catalogue
