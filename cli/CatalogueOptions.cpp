#include "CatalogueOptions.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

#include "AdviserCandidates.h"
#include "Catalogue.h"
#include "CatalogueJson.h"
#include "CliOptions.h"
#include "FieldTexts.h"
#include "OptionParser.h"
#include "Search.h"
#include "UserFiles.h"

namespace transcalc::cli {
namespace {

enum class Part { Cores, Materials, Wires };

// The problems of the user's files go to stderr once for each part.
void Tell(Part part, const catalogue::Messages& messages) {
    static std::array<bool, 3> told{};
    if (std::exchange(told[static_cast<std::size_t>(part)], true)) {
        return;
    }
    for (const std::string& message : messages) {
        std::fprintf(stderr, "transcalc-cli: %s\n", message.c_str());
    }
}

catalogue::Parts PartsOf(Part part) {
    return {part == Part::Cores, part == Part::Materials, part == Part::Wires, std::nullopt};
}

// The catalogue of this run, each part loaded alone when first needed: a
// design file may name a material after the options needed only the cores.
const catalogue::Catalogue& RunCatalogue(Part part) {
    static std::array<std::optional<catalogue::Catalogue>, 3> loaded;
    std::optional<catalogue::Catalogue>& slot = loaded[static_cast<std::size_t>(part)];
    if (!slot) {
        slot = catalogue::LoadCatalogue(catalogue::UserDataFolder(), PartsOf(part));
        Tell(part, slot->messages);
    }
    return *slot;
}

// A part with only the built-in entries of one name (and the user's whole
// files): where a name is not found, the whole part gives the closest names.
const catalogue::Catalogue& NamedCatalogue(Part part, const std::string& name) {
    static std::map<std::pair<Part, std::string>, catalogue::Catalogue> loaded;
    auto [at, inserted] = loaded.try_emplace({part, name});
    if (inserted) {
        catalogue::Parts parts = PartsOf(part);
        parts.named = name;
        at->second = catalogue::LoadCatalogue(catalogue::UserDataFolder(), parts);
        Tell(part, at->second.messages);
    }
    return at->second;
}

template <typename Entry>
std::string Unknown(std::string_view what, const std::string& name,
                    const std::vector<Entry>& entries) {
    std::string text = "no " + std::string(what) + " '" + name + "' in the catalogue; closest:";
    for (const std::string& closest : catalogue::ClosestNames(entries, name)) {
        text += (text.ends_with(':') ? " '" : ", '") + closest + "'";
    }
    return text;
}

void SetUntyped(const std::vector<catalogue::FieldText>& texts, const TypedFields& typed,
                InputFields& fields) {
    for (const catalogue::FieldText& text : texts) {
        if (!typed[FieldIndex(text.field)]) {
            fields[text.field] = text.text;
        }
    }
}

// Whether a typed text gives the same number as the catalogue's: "11.95"
// typed over the catalogue's "11,95" still is the catalogue core.
bool SameNumber(const std::string& typed, const std::string& given, std::string_view separator) {
    try {
        return typed == given || ParseNumber(typed, separator) == ParseNumber(given, separator);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

void AddCatalogueOptions(OptionList& list, CatalogueChoice& choice) {
    list.AddText("--core-name", [&choice](const std::string& name) { choice.coreName = name; });
    list.AddText("--material", [&choice](const std::string& name) { choice.materialName = name; });
    list.AddText("--list", [&choice](const std::string& what) {
        if (what != "cores" && what != "materials" && what != "wires") {
            throw UsageError("--list takes cores, materials or wires, not '" + what + "'");
        }
        choice.list = what;
    });
}

bool ApplyCatalogue(CatalogueChoice& choice, const TypedFields& typed, InputFields& fields,
                    CorePictures& cores, std::string_view separator) {
    bool coreHeld = false;
    if (choice.coreName) {
        const catalogue::Core* core =
            catalogue::FindCore(NamedCatalogue(Part::Cores, *choice.coreName), *choice.coreName);
        if (core == nullptr) {
            throw UsageError(Unknown("core", *choice.coreName, RunCatalogue(Part::Cores).cores));
        }
        choice.coreName = core->name;
        coreHeld = true;
        if (core->IsClassic()) {
            cores.Shows(core->kind) = true;
            const std::vector<catalogue::FieldText> texts =
                catalogue::CoreFieldTexts(*core, separator);
            SetUntyped(texts, typed, fields);
            for (const catalogue::FieldText& text : texts) {
                coreHeld = coreHeld && SameNumber(fields[text.field], text.text, separator);
            }
        } else {
            choice.familyCore = catalogue::CatalogueFamilyCoreOf(*core);
        }
    }
    if (choice.materialName) {
        const Material* material = catalogue::FindMaterial(
            NamedCatalogue(Part::Materials, *choice.materialName), *choice.materialName);
        if (material == nullptr) {
            throw UsageError(
                Unknown("material", *choice.materialName, RunCatalogue(Part::Materials).materials));
        }
        SetUntyped(catalogue::MaterialFieldTexts(*material, separator), typed, fields);
    }
    return coreHeld;
}

const Material& CheckMaterial(const std::string& name) {
    const Material* material = catalogue::FindMaterial(NamedCatalogue(Part::Materials, name), name);
    if (material == nullptr) {
        throw UsageError(Unknown("material", name, RunCatalogue(Part::Materials).materials));
    }
    return *material;
}

std::vector<RoundWire> CheckWires() {
    return catalogue::RoundWires(RunCatalogue(Part::Wires));
}

std::optional<CoreLetters> CheckCoreLetters(const Design& design, std::string_view separator) {
    if (design.catalogueCore.empty()) {
        return std::nullopt;
    }
    return catalogue::CatalogueCoreLetters(NamedCatalogue(Part::Cores, design.catalogueCore),
                                           design, separator);
}

AdviserCatalogue SearchedCatalogue(const AdviserInputs& inputs, Language language) {
    // Each core becomes the search's own as the files are read: a user
    // catalogue of 100 000 cores is never held parsed beside the search's list.
    catalogue::Messages messages;
    const auto tell = [&messages] {
        for (const Part part : {Part::Cores, Part::Materials, Part::Wires}) {
            Tell(part, part == Part::Cores ? messages : catalogue::Messages{});
        }
    };
    try {
        AdviserCatalogue searched =
            catalogue::AdviserCatalogueOf(catalogue::UserDataFolder(), inputs, messages);
        tell();
        return searched;
    } catch (const AdviserInputError& error) {
        tell();
        throw UsageError(error.In(language));
    }
}

std::string CatalogueListing(const CatalogueChoice& choice, std::span<const CoreFamily> families,
                             bool json) {
    const std::string what = choice.list.value_or("");
    const catalogue::Catalogue& known = RunCatalogue(what == "cores"       ? Part::Cores
                                                     : what == "materials" ? Part::Materials
                                                                           : Part::Wires);
    std::string text;
    auto add = [&text](std::string_view line) {
        text += line;
        text += '\n';
    };
    if (what == "cores") {
        std::vector<const catalogue::Core*> listed;
        for (const catalogue::Core& core : known.cores) {
            if (families.empty() || std::ranges::find(families, core.Family()) != families.end()) {
                listed.push_back(&core);
            }
        }
        if (json) {
            return CoresJson(listed);
        }
        add(catalogue::kCoresHeader);
        for (const catalogue::Core* core : listed) {
            add(catalogue::CoreLine(*core));
        }
    } else if (what == "materials") {
        if (json) {
            return MaterialsJson(known.materials);
        }
        add(catalogue::kMaterialsHeader);
        for (const Material& material : known.materials) {
            add(catalogue::MaterialLine(material));
        }
    } else {
        if (json) {
            return WiresJson(known.wires);
        }
        add(catalogue::kWiresHeader);
        for (const catalogue::Wire& wire : known.wires) {
            add(catalogue::WireLine(wire));
        }
    }
    return text;
}

void ResolveCatalogueNames(Design& design, const std::string& path) {
    const std::vector<std::string> messages = catalogue::ResolveCatalogueNames(
        design, path, []() -> const catalogue::Catalogue& { return RunCatalogue(Part::Cores); },
        []() -> const catalogue::Catalogue& { return RunCatalogue(Part::Materials); });
    for (const std::string& message : messages) {
        std::fprintf(stderr, "transcalc-cli: %s\n", message.c_str());
    }
}

}  // namespace transcalc::cli
