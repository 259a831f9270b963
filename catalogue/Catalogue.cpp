#include "Catalogue.h"

#include <algorithm>

#include "BuiltinText.h"
#include "DesignModel.h"
#include "FieldTexts.h"
#include "Search.h"
#include "UserFiles.h"
#include "WindingCheck.h"

namespace transcalc::catalogue {
namespace {

template <typename Entry>
const Entry* FindByName(const std::vector<Entry>& entries, std::string_view name) {
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const Entry& entry) { return entry.name == name; });
    return found == entries.end() ? nullptr : &*found;
}

// Whether a core line gives the name as an alias column.
bool HasAlias(std::string_view line, std::string_view name) {
    constexpr std::string_view kAlias = "\talias=";
    for (std::size_t at = line.find(kAlias); at != std::string_view::npos;
         at = line.find(kAlias, at + 1)) {
        const std::string_view rest = line.substr(at + kAlias.size());
        if (rest.substr(0, rest.find('\t')) == name) {
            return true;
        }
    }
    return false;
}

// The lines of a list that name the entry, by name or alias, with its header
// and comments: its other lines are not worth parsing.
std::string LinesNamed(std::string_view text, std::string_view name) {
    std::string kept;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.starts_with('#') || line.substr(0, line.find('\t')) == name ||
            HasAlias(line, name)) {
            kept.append(line).push_back('\n');
        }
    }
    return kept;
}

}  // namespace

Catalogue BuiltinCatalogue(Parts parts) {
    Catalogue catalogue;
    std::string kept;  // a list's lines of the one name, read before the next
    const auto text = [&](std::string_view whole) -> std::string_view {
        if (!parts.named) {
            return whole;
        }
        kept = LinesNamed(whole, *parts.named);
        return kept;
    };
    if (parts.cores) {
        catalogue.cores = ReadCores(text(BuiltinCoresText()), kCoresFile, catalogue.messages);
    }
    if (parts.materials) {
        catalogue.materials =
            ReadMaterials(text(BuiltinMaterialsText()), kMaterialsFile, catalogue.messages);
    }
    if (parts.wires) {
        catalogue.wires = ReadWires(text(BuiltinWiresText()), kWiresFile, catalogue.messages);
    }
    return catalogue;
}

Catalogue LoadCatalogue(const std::filesystem::path& userFolder, Parts parts) {
    Catalogue catalogue = BuiltinCatalogue(parts);
    AddUserFiles(catalogue, userFolder, parts);
    return catalogue;
}

const Catalogue& SharedCatalogue() {
    static const Catalogue catalogue = LoadCatalogue(UserDataFolder());
    return catalogue;
}

std::string ProblemsText(const Messages& messages, std::size_t listed) {
    std::string text;
    for (std::size_t i = 0; i < messages.size() && i < listed; ++i) {
        text += (i == 0 ? "" : "\n") + messages[i];
    }
    if (messages.size() > listed) {
        text += "\n\u2026 and " + std::to_string(messages.size() - listed) + " more";
    }
    return text;
}

const Core* FindCore(const Catalogue& catalogue, std::string_view name) {
    return CoreNamed(catalogue.cores, name);
}

const Material* FindMaterial(const Catalogue& catalogue, std::string_view name) {
    return FindByName(catalogue.materials, name);
}

const Wire* FindWire(const Catalogue& catalogue, std::string_view name) {
    return FindByName(catalogue.wires, name);
}

std::vector<RoundWire> RoundWires(const Catalogue& catalogue) {
    constexpr double kMetresPerMm = 1e-3;
    std::vector<RoundWire> wires;
    wires.reserve(catalogue.wires.size());
    for (const Wire& w : catalogue.wires) {
        wires.push_back(
            {w.name, w.grade, w.conductorDiameter * kMetresPerMm, w.outerDiameter * kMetresPerMm});
    }
    return wires;
}

std::optional<CoreLetters> CatalogueCoreLetters(const Catalogue& catalogue, const Design& design,
                                                std::string_view separator) {
    if (design.catalogueCore.empty()) {
        return std::nullopt;
    }
    const Core* core = FindCore(catalogue, design.catalogueCore);
    if (core == nullptr || !core->IsClassic()) {
        return std::nullopt;  // a family core is held whole by the design
    }
    return LettersWhileFilled(*core, design.cores, design.fields, separator);
}

std::vector<std::string> ResolveCatalogueNames(Design& design, std::string_view fileName,
                                               const CatalogueSource& cores,
                                               const CatalogueSource& materials) {
    std::vector<std::string> messages;
    const auto drop = [&](std::string& name, const char* what) {
        messages.push_back("Design file \"" + std::string(fileName) + "\": no " + what + " \"" +
                           name + "\" in the catalogue; its name is dropped");
        name.clear();
    };
    if (design.familyCore) {
        const CoreFamily family = design.familyCore->core.family;
        const Core* core = FindCore(cores(), design.catalogueCore);
        if (core == nullptr || core->Family() != family) {
            messages.push_back("Design file \"" + std::string(fileName) + "\": no " +
                               std::string(InfoOf(family).key) + " core \"" + design.catalogueCore +
                               "\" in the catalogue; the design is left without a core");
            design.ShowNoCore();
        } else {
            design.ShowFamilyCore(core->name, CatalogueFamilyCoreOf(*core));
        }
    } else if (!design.catalogueCore.empty() &&
               FindCore(cores(), design.catalogueCore) == nullptr) {
        drop(design.catalogueCore, "core");
    }
    if (!design.material.empty() && FindMaterial(materials(), design.material) == nullptr) {
        drop(design.material, "material");
    }
    return messages;
}

}  // namespace transcalc::catalogue
