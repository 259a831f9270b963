#include "AdviserCandidates.h"

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>

#include "BuiltinText.h"
#include "Catalogue.h"
#include "FieldTexts.h"
#include "Search.h"
#include "UserFiles.h"

namespace transcalc::catalogue {
namespace {

bool Searched(const AdviserInputs& inputs, const Core& core) {
    return std::ranges::find(inputs.families, core.Family()) != inputs.families.end();
}

// The material with the fields it fills and the wires; the cores are the
// caller's.
AdviserCatalogue SearchedLists(const Catalogue& catalogue, const AdviserInputs& inputs) {
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
    searched.material = *material;
    searched.permeabilityText = PermeabilityText(*material);
    searched.workingFluxText = WorkingFluxText(*material, inputs.separator);
    searched.wires = WindingWires(RoundWires(catalogue));
    return searched;
}

// The adviser's cores as the core lists are read, merged by name as
// AddUserFiles merges them: a user's core with the name of one already there
// takes its place, any other joins at the end. A core of a family not
// searched holds its place by its name alone until the end. The index holds
// places, not names, so that each name is kept once.
class MergedCores {
public:
    MergedCores(const AdviserInputs& inputs, std::size_t most)
        : inputs_(inputs), index_(most, NameHash{&cores_}, SameName{&cores_}) {
        // One allocation for the most there can be: growing by doubling would
        // hold the old list and the new at once.
        cores_.reserve(most);
        searched_.reserve(most);
    }
    MergedCores(const MergedCores&) = delete;
    MergedCores& operator=(const MergedCores&) = delete;

    void Add(Core&& core, bool replaces) {
        const bool searched = Searched(inputs_, core);
        AdviserCore candidate;
        if (searched) {
            candidate = AdviserCoreOf(core, inputs_.separator);
        } else {
            candidate.name = std::move(core.name);
        }
        if (replaces) {
            if (const auto known = index_.find(std::string_view(candidate.name));
                known != index_.end()) {
                cores_[*known] = std::move(candidate);
                searched_[*known] = searched;
                return;
            }
        }
        cores_.push_back(std::move(candidate));
        searched_.push_back(searched);
        // The first of a name is the one replaced, as a built-in list's
        // repeated name keeps its first place.
        index_.insert(cores_.size() - 1);
    }

    // The searched cores in their places' order.
    std::vector<AdviserCore> Take() && {
        index_.clear();
        std::size_t kept = 0;
        for (std::size_t i = 0; i < cores_.size(); ++i) {
            if (searched_[i]) {
                if (kept != i) {  // a string moved onto itself is left empty
                    cores_[kept] = std::move(cores_[i]);
                }
                ++kept;
            }
        }
        cores_.resize(kept);
        return std::move(cores_);
    }

private:
    struct NameHash {
        using is_transparent = void;
        const std::vector<AdviserCore>* cores;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
        std::size_t operator()(std::size_t place) const { return (*this)((*cores)[place].name); }
    };
    struct SameName {
        using is_transparent = void;
        const std::vector<AdviserCore>* cores;
        std::string_view NameOf(std::size_t place) const { return (*cores)[place].name; }
        std::string_view NameOf(std::string_view name) const { return name; }
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const {
            return NameOf(a) == NameOf(b);
        }
    };

    const AdviserInputs& inputs_;
    std::vector<AdviserCore> cores_;
    std::vector<bool> searched_;
    std::unordered_set<std::size_t, NameHash, SameName> index_;
};

std::size_t Lines(std::string_view text) {
    return static_cast<std::size_t>(std::ranges::count(text, '\n')) + 1;
}

}  // namespace

AdviserCore AdviserCoreOf(const Core& core, std::string_view separator) {
    AdviserCore candidate;
    candidate.name = core.name;
    if (!core.IsClassic()) {
        candidate.kind = FamilyClassicKind(core.Family());
        candidate.familyCore =
            std::make_shared<const CatalogueFamilyCore>(CatalogueFamilyCoreOf(core));
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
    AdviserCatalogue searched = SearchedLists(catalogue, inputs);
    const auto count = std::ranges::count_if(
        catalogue.cores, [&inputs](const Core& core) { return Searched(inputs, core); });
    searched.cores.reserve(static_cast<std::size_t>(count));
    for (const Core& core : catalogue.cores) {
        if (Searched(inputs, core)) {
            searched.cores.push_back(AdviserCoreOf(core, inputs.separator));
        }
    }
    return searched;
}

AdviserCatalogue AdviserCatalogueOf(const std::filesystem::path& userFolder,
                                    const AdviserInputs& inputs, Messages& messages) {
    const std::string_view builtin = BuiltinCoresText();
    std::optional<std::string> user;
    std::string userSource;
    if (!userFolder.empty()) {
        userSource = (userFolder / kCoresFile).string();
        user = UserFileText(userFolder / kCoresFile, messages);
    }
    std::vector<AdviserCore> cores;
    {
        MergedCores merged(inputs, Lines(builtin) + (user ? Lines(*user) : 0));
        ForEachCore(builtin, kCoresFile, messages,
                    [&merged](Core&& core) { merged.Add(std::move(core), false); });
        if (user) {
            ForEachCore(*user, userSource, messages,
                        [&merged](Core&& core) { merged.Add(std::move(core), true); });
            user.reset();
        }
        cores = std::move(merged).Take();
    }
    Parts lists;
    lists.cores = false;
    const Catalogue rest = LoadCatalogue(userFolder, lists);
    messages.insert(messages.end(), rest.messages.begin(), rest.messages.end());
    AdviserCatalogue searched = SearchedLists(rest, inputs);
    searched.cores = std::move(cores);
    return searched;
}

}  // namespace transcalc::catalogue
