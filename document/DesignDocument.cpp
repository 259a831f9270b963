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

struct CheckValue {
    std::string_view key;
    std::optional<double> DesignDocument::*value;
};

constexpr CheckValue kCheckValues[] = {
    {"temperatureC", &DesignDocument::temperature},
    {"dcCurrentA", &DesignDocument::dcCurrent},
    {"rippleA", &DesignDocument::ripple},
    {"frequencyKHz", &DesignDocument::checkFrequency},
};

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

std::optional<CheckInputs> CheckInputsOf(const DesignDocument& document) {
    if (!document.temperature && !document.dcCurrent && !document.ripple &&
        !document.checkFrequency) {
        return std::nullopt;
    }
    CheckInputs inputs;
    inputs.temperature = document.temperature.value_or(inputs.temperature);
    inputs.dcCurrent = document.dcCurrent;
    inputs.ripple = document.ripple;
    inputs.frequencyKhz = document.checkFrequency;
    return inputs;
}

void KeepCheckInputs(DesignDocument& document, const CheckInputs& inputs) {
    document.temperature = inputs.temperature;
    document.dcCurrent = inputs.dcCurrent;
    document.ripple = inputs.ripple;
    document.checkFrequency = inputs.frequencyKhz;
}

std::string_view FieldKey(Field field) {
    return kFieldKeys[FieldIndex(field)].second;
}

std::string DesignText(const DesignDocument& document, std::string_view fileName) {
    json::Object fields;
    for (const auto& [field, key] : kFieldKeys) {
        fields.push_back({std::string(key), json::Value{document.fields[field]}});
    }
    json::Object check;
    for (const CheckValue& entry : kCheckValues) {
        const std::optional<double>& value = document.*entry.value;
        check.push_back(
            {std::string(entry.key), value ? json::Value{*value} : json::Value{nullptr}});
    }
    json::Value core{nullptr};
    if (document.core) {
        core = json::Value{std::string(InfoOf(*document.core).cliName)};
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
    document.core = reader.Core(root);
    document.mode = reader.Text(reader.Required(root, "", "mode"), "\"mode\"");
    document.catalogueCore = reader.OptionalText(root, "catalogueCore");
    document.material = reader.OptionalText(root, "material");
    if (const json::Value* check = root.Find("check"); check != nullptr && !check->IsNull()) {
        if (!std::holds_alternative<json::Object>(check->data)) {
            reader.Refuse("\"check\" is not an object");
        }
        for (const CheckValue& entry : kCheckValues) {
            document.*entry.value =
                reader.OptionalNumber(check->Find(entry.key), "\"check\"." + Quoted(entry.key));
        }
    }
    return document;
}

}  // namespace transcalc
