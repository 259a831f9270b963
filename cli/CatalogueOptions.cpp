#include "CatalogueOptions.h"

#include <cstdio>

#include "Catalogue.h"
#include "CliOptions.h"

namespace transcalc::cli {
namespace {

// The catalogue of this run, with only the lists the command line needs; the
// problems of the user's files go to stderr once, when it is first needed.
const catalogue::Catalogue& RunCatalogue(const CatalogueChoice& choice) {
    static const catalogue::Catalogue loaded = [&choice] {
        catalogue::Catalogue catalogue = catalogue::LoadCatalogue(
            catalogue::UserDataFolder(),
            {choice.coreName || choice.list == "cores" || choice.forCheck,
             choice.materialName || choice.list == "materials" || choice.forCheck,
             choice.list == "wires"});
        for (const std::string& message : catalogue.messages) {
            std::fprintf(stderr, "transcalc-cli: %s\n", message.c_str());
        }
        return catalogue;
    }();
    return loaded;
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

}  // namespace

bool TakeCatalogueOption(std::string_view name, const std::function<std::string()>& value,
                         CatalogueChoice& choice) {
    if (name == "core-name") {
        choice.coreName = value();
    } else if (name == "material") {
        choice.materialName = value();
    } else if (name == "list") {
        choice.list = value();
        if (*choice.list != "cores" && *choice.list != "materials" && *choice.list != "wires") {
            throw UsageError("--list takes cores, materials or wires, not '" + *choice.list + "'");
        }
    } else {
        return false;
    }
    return true;
}

void ApplyCatalogue(const CatalogueChoice& choice, const TypedFields& typed, InputFields& fields,
                    CorePictures& cores, std::string_view separator) {
    if (choice.coreName) {
        const catalogue::Catalogue& known = RunCatalogue(choice);
        const catalogue::Core* core = catalogue::FindCore(known, *choice.coreName);
        if (core == nullptr) {
            throw UsageError(Unknown("core", *choice.coreName, known.cores));
        }
        cores.Shows(core->kind) = true;
        SetUntyped(catalogue::CoreFieldTexts(*core, separator), typed, fields);
    }
    if (choice.materialName) {
        const catalogue::Catalogue& known = RunCatalogue(choice);
        const Material* material = catalogue::FindMaterial(known, *choice.materialName);
        if (material == nullptr) {
            throw UsageError(Unknown("material", *choice.materialName, known.materials));
        }
        SetUntyped(catalogue::MaterialFieldTexts(*material, separator), typed, fields);
    }
}

const Material& CheckMaterial(const CatalogueChoice& choice, const std::string& name) {
    const catalogue::Catalogue& known = RunCatalogue(choice);
    const Material* material = catalogue::FindMaterial(known, name);
    if (material == nullptr) {
        throw UsageError(Unknown("material", name, known.materials));
    }
    return *material;
}

std::optional<CoreLetters> CheckCoreLetters(const CatalogueChoice& choice, const std::string& name,
                                            const CorePictures& cores, const InputFields& fields,
                                            std::string_view separator) {
    const catalogue::Core* core = catalogue::FindCore(RunCatalogue(choice), name);
    if (core == nullptr) {
        return std::nullopt;
    }
    return catalogue::LettersWhileFilled(*core, cores, fields, separator);
}

std::string CatalogueListing(const CatalogueChoice& choice, const CorePictures& cores) {
    const std::string what = choice.list.value_or("");
    const catalogue::Catalogue& known = RunCatalogue(choice);
    std::string text;
    auto add = [&text](std::string_view line) {
        text += line;
        text += '\n';
    };
    if (what == "cores") {
        const bool anyShown = cores.Shows(CoreKind::Ring) || cores.Shows(CoreKind::ShapedE) ||
                              cores.Shows(CoreKind::ShapedU);
        add(catalogue::kCoresHeader);
        for (const catalogue::Core& core : known.cores) {
            if (!anyShown || cores.Shows(core.kind)) {
                add(catalogue::CoreLine(core));
            }
        }
    } else if (what == "materials") {
        add(catalogue::kMaterialsHeader);
        for (const Material& material : known.materials) {
            add(catalogue::MaterialLine(material));
        }
    } else {
        add(catalogue::kWiresHeader);
        for (const catalogue::Wire& wire : known.wires) {
            add(catalogue::WireLine(wire));
        }
    }
    return text;
}

}  // namespace transcalc::cli
