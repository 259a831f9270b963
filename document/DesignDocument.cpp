#include "DesignDocument.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

#include "Json.h"

namespace transcalc {
namespace {

constexpr std::array<std::pair<Field, std::string_view>, kFieldCount> kFieldKeys = {{
    {Field::Dimension1, "dimension1"},
    {Field::Dimension2, "dimension2"},
    {Field::Dimension3, "dimension3"},
    {Field::Dimension4, "dimension4"},
    {Field::Gap, "gap"},
    {Field::FrequencyOrPulse, "frequencyOrPulse"},
    {Field::VoltageIn, "voltageIn"},
    {Field::VoltageOut, "voltageOut"},
    {Field::SatInduction, "satInduction"},
    {Field::Permeability, "permeability"},
    {Field::ChokeTurns, "chokeTurns"},
    {Field::Overshoot, "overshoot"},
}};

// The check's inputs as the file keeps them: each a number or null. A file
// that gives any of them has run the check; the temperature it lacks is the
// check's default.
constexpr std::string_view kTemperatureKey = "temperatureC";
constexpr std::string_view kCurrentKey = "dcCurrentA";
constexpr std::string_view kRippleKey = "rippleA";
constexpr std::string_view kFrequencyKey = "frequencyKHz";

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Reads the tree of a design file, naming the file in every refusal.
class Reader {
public:
    explicit Reader(std::string_view fileName) : fileName_(fileName) {}

    [[noreturn]] void Refuse(const std::string& why) const {
        throw DocumentError("Design file " + Quoted(fileName_) + ": " + why);
    }

    const json::Value& Required(const json::Value& object, std::string_view path,
                                std::string_view key) const {
        const json::Value* value = object.Find(key);
        if (value == nullptr) {
            Refuse(std::string(path.empty() ? "the file" : path) + " has no " + Quoted(key));
        }
        return *value;
    }

    std::string Text(const json::Value& value, const std::string& path) const {
        const std::string* text = std::get_if<std::string>(&value.data);
        if (text == nullptr) {
            Refuse(path + " is not a text");
        }
        return *text;
    }

    // An optional text: absent or null reads as empty.
    std::string OptionalText(const json::Value& object, std::string_view key) const {
        const json::Value* value = object.Find(key);
        return value == nullptr || value->IsNull() ? std::string() : Text(*value, Quoted(key));
    }

    std::optional<double> OptionalNumber(const json::Value* value, const std::string& path) const {
        if (value == nullptr || value->IsNull()) {
            return std::nullopt;
        }
        const double* number = std::get_if<double>(&value->data);
        if (number == nullptr) {
            Refuse(path + " is not a number");
        }
        return *number;
    }

    void CheckFormat(const json::Value& root) const {
        const json::Value* format = root.Find("format");
        const std::string* text =
            format == nullptr ? nullptr : std::get_if<std::string>(&format->data);
        if (text == nullptr || *text != kDesignFormat) {
            Refuse("not a Transcalc design (no \"format\": \"" + std::string(kDesignFormat) +
                   "\")");
        }
        const double* version = std::get_if<double>(&Required(root, "", "version").data);
        if (version == nullptr || *version < 1 || *version != std::floor(*version)) {
            Refuse("\"version\" is not a whole number from 1 on");
        }
        if (*version > kDesignVersion) {
            char shown[32];
            std::snprintf(shown, sizeof shown, "%.0f", *version);
            Refuse("format version " + std::string(shown) +
                   " comes from a newer Transcalc; this one reads version " +
                   std::to_string(kDesignVersion) + " only");
        }
    }

    std::optional<CoreKind> Core(const json::Value& root) const {
        const json::Value& core = Required(root, "", "core");
        if (core.IsNull()) {
            return std::nullopt;
        }
        const std::string* name = std::get_if<std::string>(&core.data);
        for (const CoreKindInfo& info : kCoreKinds) {
            if (name != nullptr && *name == info.cliName) {
                return info.kind;
            }
        }
        Refuse("\"core\" is not \"ring\", \"e\", \"u\" or null");
    }

private:
    std::string_view fileName_;
};

}  // namespace

std::string_view FieldKey(Field field) {
    return kFieldKeys[FieldIndex(field)].second;
}

std::string DesignText(const DesignDocument& document, std::string_view fileName) {
    json::Object fields;
    for (const auto& [field, key] : kFieldKeys) {
        fields.push_back({std::string(key), json::Value{document.fields[field]}});
    }
    const auto number = [](const std::optional<double>& value) {
        return value ? json::Value{*value} : json::Value{nullptr};
    };
    const std::optional<CheckInputs>& inputs = document.check;
    json::Object check{
        {std::string(kTemperatureKey),
         inputs ? json::Value{inputs->temperature} : json::Value{nullptr}},
        {std::string(kCurrentKey), number(inputs ? inputs->dcCurrent : std::nullopt)},
        {std::string(kRippleKey), number(inputs ? inputs->ripple : std::nullopt)},
        {std::string(kFrequencyKey), number(inputs ? inputs->frequencyKhz : std::nullopt)},
    };
    json::Value core{nullptr};
    if (const std::optional<CoreKind> kind = document.FirstCore()) {
        core = json::Value{std::string(InfoOf(*kind).cliName)};
    }
    const json::Value root{json::Object{
        {"format", {std::string(kDesignFormat)}},
        {"version", {static_cast<double>(kDesignVersion)}},
        {"fields", {std::move(fields)}},
        {"core", std::move(core)},
        {"mode", {document.mode}},
        {"catalogueCore", {document.catalogueCore}},
        {"material", {document.material}},
        {"check", {std::move(check)}},
    }};
    try {
        return json::Write(root);
    } catch (const std::invalid_argument& error) {
        throw DocumentError("Design file " + Quoted(fileName) + " not written: " + error.what());
    }
}

DesignDocument ParseDesignText(std::string_view text, std::string_view fileName) {
    const Reader reader(fileName);
    json::Value root;
    try {
        root = json::Parse(text);
    } catch (const json::SyntaxError& error) {
        reader.Refuse(std::string("not JSON: ") + error.what());
    }
    reader.CheckFormat(root);

    DesignDocument document;
    const json::Value& fields = reader.Required(root, "", "fields");
    if (!std::holds_alternative<json::Object>(fields.data)) {
        reader.Refuse("\"fields\" is not an object");
    }
    for (const auto& [field, key] : kFieldKeys) {
        document.fields[field] =
            reader.Text(reader.Required(fields, "\"fields\"", key), "\"fields\"." + Quoted(key));
    }
    if (const std::optional<CoreKind> core = reader.Core(root)) {
        document.cores = CorePictures::Of(*core);
    }
    document.mode = reader.Text(reader.Required(root, "", "mode"), "\"mode\"");
    document.catalogueCore = reader.OptionalText(root, "catalogueCore");
    document.material = reader.OptionalText(root, "material");
    if (const json::Value* check = root.Find("check"); check != nullptr && !check->IsNull()) {
        if (!std::holds_alternative<json::Object>(check->data)) {
            reader.Refuse("\"check\" is not an object");
        }
        const auto value = [&](std::string_view key) {
            return reader.OptionalNumber(check->Find(key), "\"check\"." + Quoted(key));
        };
        const std::optional<double> temperature = value(kTemperatureKey);
        CheckInputs inputs{.dcCurrent = value(kCurrentKey),
                           .ripple = value(kRippleKey),
                           .frequencyKhz = value(kFrequencyKey)};
        if (temperature || inputs.dcCurrent || inputs.ripple || inputs.frequencyKhz) {
            inputs.temperature = temperature.value_or(inputs.temperature);
            document.check = inputs;
        }
    }
    return document;
}

}  // namespace transcalc
