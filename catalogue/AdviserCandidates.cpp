#include "AdviserCandidates.h"

#include <algorithm>
#include <array>
#include <memory>

#include "Catalogue.h"
#include "FieldTexts.h"
#include "Search.h"

namespace transcalc::catalogue {

AdviserCore AdviserCoreOf(const Core& core, std::string_view separator) {
    AdviserCore candidate;
    candidate.name = core.name;
    if (!core.IsClassic()) {
        candidate.kind = FamilyClassicKind(core.Family());
        candidate.familyCore = std::make_shared<const CatalogueFamilyCore>(
            CatalogueFamilyCore{FamilyCoreOf(core), core.Bobbin()});
        return candidate;
    }
    candidate.kind = core.kind;
    InputFields fields;
    std::array<std::string, 4> dimensions;
    for (const FieldText& text : CoreFieldTexts(core, separator)) {
        dimensions[static_cast<std::size_t>(FieldIndex(text.field))] = text.text;
        fields[text.field] = text.text;
    }
    candidate.dimensions = {dimensions[0], dimensions[1], dimensions[2], dimensions[3]};
    candidate.letters = LettersWhileFilled(core, CorePictures::Of(core.kind), fields, separator);
    return candidate;
}

AdviserCatalogue AdviserCatalogueOf(const Catalogue& catalogue, const AdviserInputs& inputs) {
    const Material* material = FindMaterial(catalogue, inputs.material);
    if (material == nullptr) {
        std::string closest;
        for (const std::string& name : ClosestNames(catalogue.materials, inputs.material)) {
            closest += (closest.empty() ? " '" : ", '") + name + "'";
        }
        throw AdviserInputError(
            Refusal{"в каталоге нет материала '" + inputs.material + "'; ближайшие:" + closest,
                    "no material '" + inputs.material + "' in the catalogue; closest:" + closest});
    }
    AdviserCatalogue searched;
    for (const Core& core : catalogue.cores) {
        if (std::ranges::find(inputs.families, core.Family()) != inputs.families.end()) {
            searched.cores.push_back(AdviserCoreOf(core, inputs.separator));
        }
    }
    searched.material = *material;
    searched.permeabilityText = PermeabilityText(*material);
    searched.workingFluxText = WorkingFluxText(*material, inputs.separator);
    searched.wires = WindingWires(RoundWires(catalogue));
    return searched;
}

}  // namespace transcalc::catalogue
