#include "CatalogueJson.h"

#include <nlohmann/json.hpp>
#include <utility>

#include "CliReport.h"
#include "EntryLines.h"

namespace transcalc::cli {
namespace {

using Json = nlohmann::ordered_json;

template <typename Entry, typename Object>
std::string ArrayLine(const std::vector<Entry>& entries, Object object) {
    Json list = Json::array();
    for (const Entry& entry : entries) {
        list.push_back(object(entry));
    }
    return JsonLine(list);
}

Json SteinmetzJson(const SteinmetzRange& range) {
    const auto factor = [&range](double value) {
        return range.hasTemperatureFactor ? Json(value) : Json();
    };
    Json json = Json::object();
    json["min_frequency"] = range.minimumFrequency;
    json["max_frequency"] = range.maximumFrequency;
    json["k"] = range.k;
    json["alpha"] = range.alpha;
    json["beta"] = range.beta;
    json["ct0"] = factor(range.ct0);
    json["ct1"] = factor(range.ct1);
    json["ct2"] = factor(range.ct2);
    return json;
}

Json MaterialJson(const Material& material) {
    Json json = Json::object();
    json["name"] = material.name;
    json["maker"] = material.maker;
    json["composition"] = material.composition;
    json["initial_permeability"] = material.initialPermeability;
    json["saturation"] = Json::array();
    for (const SaturationPoint& point : material.saturation) {
        json["saturation"].push_back(
            {{"temperature", point.temperature}, {"flux_density", point.fluxDensity}});
    }
    json["steinmetz"] = Json::array();
    for (const SteinmetzRange& range : material.steinmetz) {
        json["steinmetz"].push_back(SteinmetzJson(range));
    }
    json["curie_temperature"] =
        material.curieTemperature ? Json(*material.curieTemperature) : Json();
    json["permeability_modifiers"] = Json::array();
    for (const PermeabilityModifiers& set : material.modifiers) {
        Json modifiers = Json::object();
        modifiers["family"] = set.family;
        modifiers["method"] = std::string(catalogue::MethodText(set.method));
        modifiers["bias"] = set.bias;
        modifiers["frequency"] = set.frequency;
        modifiers["flux"] = set.flux;
        modifiers["temperature"] = set.temperature;
        json["permeability_modifiers"].push_back(std::move(modifiers));
    }
    json["loss_formulas"] = Json::array();
    for (const LossFormula& formula : material.lossFormulas) {
        Json object = Json::object();
        object["family"] = formula.family;
        object["method"] = std::string(catalogue::MethodText(formula.method));
        object["coefficients"] = formula.coefficients;
        json["loss_formulas"].push_back(std::move(object));
    }
    return json;
}

}  // namespace

std::string CoresJson(const std::vector<const catalogue::Core*>& cores) {
    return ArrayLine(cores, [](const catalogue::Core* core) {
        Json dimensions = Json::object();
        for (const catalogue::Dimension& dimension : core->dimensions) {
            dimensions[dimension.letter] = dimension.millimetres;
        }
        Json json = Json::object();
        json["name"] = core->name;
        json["kind"] = std::string(InfoOf(core->Family()).key);
        json["dimensions"] = std::move(dimensions);
        json["aliases"] = core->aliases;
        json["subtype"] = core->subtype.empty() ? Json() : Json(core->subtype);
        json["bobbins"] = Json::array();
        for (const BobbinWindow& bobbin : core->bobbins) {
            json["bobbins"].push_back({{"breadth", bobbin.breadth}, {"height", bobbin.height}});
        }
        return json;
    });
}

std::string MaterialsJson(const std::vector<Material>& materials) {
    return ArrayLine(materials, MaterialJson);
}

std::string WiresJson(const std::vector<catalogue::Wire>& wires) {
    return ArrayLine(wires, [](const catalogue::Wire& wire) {
        Json json = Json::object();
        json["name"] = wire.name;
        json["grade"] = wire.grade;
        json["conductor_diameter"] = wire.conductorDiameter;
        json["outer_diameter"] = wire.outerDiameter;
        return json;
    });
}

}  // namespace transcalc::cli
