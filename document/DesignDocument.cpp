#include "DesignDocument.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

namespace transcalc {
namespace {

// Written in key order; read through a sorted map, so that a file of many
// keys costs n log n to read, not n² as an ordered one would.
using WriteJson = nlohmann::ordered_json;
using ReadJson = nlohmann::json;

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
// that gives any of them has run the check; the temperature and the current
// density it lacks are the check's defaults.
constexpr std::string_view kTemperatureKey = "temperatureC";
constexpr std::string_view kCurrentKey = "dcCurrentA";
constexpr std::string_view kRippleKey = "rippleA";
constexpr std::string_view kFrequencyKey = "frequencyKHz";
constexpr std::string_view kLoadCurrentKey = "loadCurrentA";
constexpr std::string_view kCurrentDensityKey = "currentDensityAPerMm2";
// The converter's, written only where they differ from the classic's one
// output without a drop at one input voltage, so that older files and the
// files of classic designs stay as they were.
constexpr std::string_view kDropKey = "dropV";
constexpr std::string_view kOutputsKey = "outputs";
constexpr std::string_view kVoltageKey = "voltageV";
constexpr std::string_view kOutputCurrentKey = "currentA";
constexpr std::string_view kNameKey = "name";
constexpr std::string_view kInputMinKey = "inputMinV";
constexpr std::string_view kInputMaxKey = "inputMaxV";

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string FieldPath(std::string_view key) {
    return "\"fields\"." + Quoted(key);
}

// No field of the window can hold a line break or a control character; a
// file that gives one is no design of this program.
bool HoldsControlCharacter(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return true;
        }
    }
    return false;
}

// A whole number as one ("100", not "100.0"); any other number in the
// shortest form that reads back to the same double.
WriteJson NumberValue(double value) {
    constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
    const bool negativeZero = value == 0 && std::signbit(value);
    if (value == std::trunc(value) && std::fabs(value) < kExactIntegers && !negativeZero) {
        return static_cast<std::int64_t>(value);
    }
    return value;
}

// Listens to the parser only for where and why it stopped.
class StopFinder final : public nlohmann::json_sax<ReadJson> {
public:
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t position, const std::string& lastToken,
                     const ReadJson::exception& error) override {
        constexpr int kNumberOverflow = 406;
        numberOutOfRange_ = error.id == kNumberOverflow;
        // The bytes read count the one that stopped the parser (or the end of
        // the text); a number too big was read whole.
        at_ = numberOutOfRange_ ? position - std::min(position, lastToken.size())
                                : std::max<std::size_t>(position, 1) - 1;
        return false;
    }

    std::size_t at_ = 0;
    bool numberOutOfRange_ = false;
};

// Whether text[at] lies inside a string, the text before it being JSON.
bool InString(std::string_view text, std::size_t at) {
    bool inString = false;
    for (std::size_t i = 0; i < at && i < text.size(); ++i) {
        if (inString && text[i] == '\\') {
            ++i;
        } else if (text[i] == '"') {
            inString = !inString;
        }
    }
    return inString;
}

// Why text is no JSON, by line and column (from 1, columns in bytes).
std::string SyntaxError(std::string_view text) {
    StopFinder finder;
    ReadJson::sax_parse(text, &finder);
    const std::size_t at = std::min(finder.at_, text.size());
    std::string what;
    if (finder.numberOutOfRange_) {
        what = "number out of range";
    } else if (at == text.size()) {
        what = InString(text, at) ? "unexpected end of the text in a string"
                                  : "unexpected end of the text";
    } else if (const auto byte = static_cast<unsigned char>(text[at]);
               byte < 0x20 || byte >= 0x7F) {
        what = "unexpected byte";
    } else {
        what = std::string("unexpected '") + text[at] + "'";
    }
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < at; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return what + " at line " + std::to_string(line) + ", column " +
           std::to_string(at - lineStart + 1);
}

// Reads the tree of a design file, naming the file in every refusal.
class Reader {
public:
    explicit Reader(std::string_view fileName) : fileName_(fileName) {}

    [[noreturn]] void Refuse(const std::string& why) const {
        throw DocumentError("Design file " + Quoted(fileName_) + ": " + why);
    }

    const ReadJson& Required(const ReadJson& object, std::string_view path,
                             std::string_view key) const {
        const auto value = object.find(key);
        if (value == object.end()) {
            Refuse(std::string(path.empty() ? "the file" : path) + " has no " + Quoted(key));
        }
        return *value;
    }

    std::string Text(const ReadJson& value, const std::string& path) const {
        if (!value.is_string()) {
            Refuse(path + " is not a text");
        }
        return value.get<std::string>();
    }

    // An optional text: absent or null reads as empty.
    std::string OptionalText(const ReadJson& object, std::string_view key) const {
        const auto value = object.find(key);
        return value == object.end() || value->is_null() ? std::string()
                                                         : Text(*value, Quoted(key));
    }

    std::optional<double> OptionalNumber(const ReadJson& object, std::string_view key,
                                         const std::string& path) const {
        const auto value = object.find(key);
        if (value == object.end() || value->is_null()) {
            return std::nullopt;
        }
        if (!value->is_number()) {
            Refuse(path + " is not a number");
        }
        return value->get<double>();
    }

    void CheckFormat(const ReadJson& root) const {
        const auto format = root.find("format");
        if (format == root.end() || !format->is_string() ||
            format->get_ref<const std::string&>() != kDesignFormat) {
            Refuse("not a Transcalc design (no \"format\": \"" + std::string(kDesignFormat) +
                   "\")");
        }
        const ReadJson& versionValue = Required(root, "", "version");
        const double version = versionValue.is_number() ? versionValue.get<double>() : 0;
        if (version < 1 || version != std::floor(version)) {
            Refuse("\"version\" is not a whole number from 1 on");
        }
        if (version > kDesignVersion) {
            char shown[32];
            std::snprintf(shown, sizeof shown, "%.0f", version);
            Refuse("format version " + std::string(shown) +
                   " comes from a newer Transcalc; this one reads version " +
                   std::to_string(kDesignVersion) + " only");
        }
    }

    std::optional<CoreFamily> Core(const ReadJson& root) const {
        const ReadJson& core = Required(root, "", "core");
        if (core.is_null()) {
            return std::nullopt;
        }
        if (core.is_string()) {
            if (const std::optional<CoreFamily> family =
                    FamilyOfKey(core.get_ref<const std::string&>())) {
                return family;
            }
        }
        Refuse("\"core\" is not a core family (\"ring\", \"e\", \"u\", \"etd\", ...) or null");
    }

    // The converter's outputs 2…4 under "check": each a voltage and a
    // current within their bounds, a name and a drop that may be left out.
    std::vector<ConverterOutput> Outputs(const ReadJson& check) const {
        std::vector<ConverterOutput> outputs;
        const auto list = check.find(kOutputsKey);
        if (list == check.end() || list->is_null()) {
            return outputs;
        }
        const std::string path = "\"check\"." + Quoted(kOutputsKey);
        if (!list->is_array()) {
            Refuse(path + " is not a list");
        }
        if (list->size() + 1 > static_cast<std::size_t>(kMaxOutputs)) {
            Refuse(path + " holds more than 3 outputs");
        }
        for (const ReadJson& entry : *list) {
            if (!entry.is_object()) {
                Refuse(path + " holds an output that is not an object");
            }
            const auto number = [&](std::string_view key, CheckInput input, bool required) {
                const std::string at = path + "[]." + Quoted(key);
                const std::optional<double> value = OptionalNumber(entry, key, at);
                if (!value && required) {
                    Refuse(at + " is missing");
                }
                if (value) {
                    if (const std::optional<Refusal> why = CheckInputOutOfBounds(input, *value)) {
                        Refuse(at + ": " + why->english);  // with the file's English
                    }
                }
                return value.value_or(0);
            };
            ConverterOutput output;
            output.voltage = number(kVoltageKey, CheckInput::OutputVoltage, true);
            output.current = number(kOutputCurrentKey, CheckInput::OutputCurrent, true);
            output.drop = number(kDropKey, CheckInput::Drop, false);
            output.name = OptionalText(entry, kNameKey);
            if (HoldsControlCharacter(output.name)) {
                Refuse(path + "[]." + Quoted(kNameKey) + " holds a control character");
            }
            outputs.push_back(std::move(output));
        }
        return outputs;
    }

private:
    std::string_view fileName_;
};

}  // namespace

std::string_view FieldKey(Field field) {
    return kFieldKeys[FieldIndex(field)].second;
}

std::string DesignText(const Design& document, std::string_view fileName) {
    const auto refuse = [&fileName](const std::string& why) {
        return DocumentError("Design file " + Quoted(fileName) + " not written: " + why);
    };
    WriteJson fields = WriteJson::object();
    for (const auto& [field, key] : kFieldKeys) {
        if (HoldsControlCharacter(document.fields[field])) {
            throw refuse(FieldPath(key) + " holds a control character");
        }
        fields[std::string(key)] = document.fields[field];
    }
    const std::optional<CheckInputs>& inputs = document.check;
    WriteJson check = WriteJson::object();
    // Never a file that this program would refuse to read back.
    const auto put = [&](std::string_view key, CheckInput input,
                         const std::optional<double>& value) {
        if (value) {
            if (const std::optional<Refusal> why = CheckInputOutOfBounds(input, *value)) {
                throw refuse("\"check\"." + Quoted(key) + ": " + why->english);
            }
        }
        check[std::string(key)] = value ? NumberValue(*value) : WriteJson();
    };
    put(kTemperatureKey, CheckInput::Temperature,
        inputs ? std::optional(inputs->temperature) : std::nullopt);
    put(kCurrentKey, CheckInput::DcCurrent, inputs ? inputs->dcCurrent : std::nullopt);
    put(kRippleKey, CheckInput::Ripple, inputs ? inputs->ripple : std::nullopt);
    put(kFrequencyKey, CheckInput::FrequencyKhz, inputs ? inputs->frequencyKhz : std::nullopt);
    put(kLoadCurrentKey, CheckInput::LoadCurrent, inputs ? inputs->loadCurrent : std::nullopt);
    put(kCurrentDensityKey, CheckInput::CurrentDensity,
        inputs ? std::optional(inputs->currentDensity) : std::nullopt);
    if (inputs && inputs->drop != 0) {
        put(kDropKey, CheckInput::Drop, inputs->drop);
    }
    if (inputs && !inputs->outputs.empty()) {
        if (inputs->outputs.size() + 1 > static_cast<std::size_t>(kMaxOutputs)) {
            throw refuse("\"check\"." + Quoted(kOutputsKey) + ": more than 3 outputs");
        }
        WriteJson outputs = WriteJson::array();
        for (const ConverterOutput& output : inputs->outputs) {
            const std::pair<CheckInput, double> numbers[] = {
                {CheckInput::OutputVoltage, output.voltage},
                {CheckInput::OutputCurrent, output.current},
                {CheckInput::Drop, output.drop}};
            for (const auto& [input, value] : numbers) {
                if (const std::optional<Refusal> why = CheckInputOutOfBounds(input, value)) {
                    throw refuse("\"check\"." + Quoted(kOutputsKey) + ": " + why->english);
                }
            }
            if (HoldsControlCharacter(output.name)) {
                throw refuse("\"check\"." + Quoted(kOutputsKey) +
                             ": a name holds a control character");
            }
            WriteJson entry = WriteJson::object();
            entry[std::string(kVoltageKey)] = NumberValue(output.voltage);
            entry[std::string(kOutputCurrentKey)] = NumberValue(output.current);
            entry[std::string(kNameKey)] = output.name;
            entry[std::string(kDropKey)] = NumberValue(output.drop);
            outputs.push_back(std::move(entry));
        }
        check[std::string(kOutputsKey)] = std::move(outputs);
    }
    if (inputs && inputs->inputMin) {
        put(kInputMinKey, CheckInput::InputVoltage, inputs->inputMin);
    }
    if (inputs && inputs->inputMax) {
        put(kInputMaxKey, CheckInput::InputVoltage, inputs->inputMax);
    }
    if (inputs && inputs->inputMin && inputs->inputMax && *inputs->inputMin > *inputs->inputMax) {
        throw refuse("\"check\": the lowest input voltage lies above the highest");
    }
    WriteJson root = WriteJson::object();
    root["format"] = std::string(kDesignFormat);
    root["version"] = kDesignVersion;
    root["fields"] = std::move(fields);
    const std::optional<CoreFamily> core = document.Family();
    root["core"] = core ? WriteJson(std::string(InfoOf(*core).key)) : WriteJson();
    root["mode"] = document.mode;
    root["catalogueCore"] = document.catalogueCore;
    root["material"] = document.material;
    root["check"] = std::move(check);
    try {
        return root.dump(2) + '\n';
    } catch (const WriteJson::type_error&) {
        throw refuse("a text is not UTF-8");
    }
}

Design ParseDesignText(std::string_view text, std::string_view fileName) {
    const Reader reader(fileName);
    const ReadJson root = ReadJson::parse(text, nullptr, /*allow_exceptions=*/false);
    if (root.is_discarded()) {
        reader.Refuse("not JSON: " + SyntaxError(text));
    }
    reader.CheckFormat(root);

    Design document;
    const ReadJson& fields = reader.Required(root, "", "fields");
    if (!fields.is_object()) {
        reader.Refuse("\"fields\" is not an object");
    }
    for (const auto& [field, key] : kFieldKeys) {
        std::string value = reader.Text(reader.Required(fields, "\"fields\"", key), FieldPath(key));
        if (HoldsControlCharacter(value)) {
            reader.Refuse(FieldPath(key) + " holds a control character");
        }
        document.fields[field] = std::move(value);
    }
    const std::optional<CoreFamily> core = reader.Core(root);
    if (core && ClassicKindOf(*core)) {
        document.cores = CorePictures::Of(*ClassicKindOf(*core));
    }
    document.mode = reader.Text(reader.Required(root, "", "mode"), "\"mode\"");
    document.catalogueCore = reader.OptionalText(root, "catalogueCore");
    if (core && !ClassicKindOf(*core)) {
        // Such a core is known by its name alone: its letters come from the
        // catalogue when the file is opened.
        if (document.catalogueCore.empty()) {
            reader.Refuse("a core of the family \"" + std::string(InfoOf(*core).key) +
                          "\" needs its \"catalogueCore\"");
        }
        document.familyCore = CatalogueFamilyCore{FamilyCore{*core, "", {}}, std::nullopt};
    }
    document.material = reader.OptionalText(root, "material");
    if (const auto check = root.find("check"); check != root.end() && !check->is_null()) {
        if (!check->is_object()) {
            reader.Refuse("\"check\" is not an object");
        }
        // A value out of its bounds refuses the file: shown in the window's
        // spin boxes it would be clamped without a word.
        const auto value = [&](std::string_view key, CheckInput input) {
            const std::string path = "\"check\"." + Quoted(key);
            const std::optional<double> number = reader.OptionalNumber(*check, key, path);
            if (number) {
                if (const std::optional<Refusal> why = CheckInputOutOfBounds(input, *number)) {
                    reader.Refuse(path + ": " + why->english);  // with the file's English
                }
            }
            return number;
        };
        const std::optional<double> temperature = value(kTemperatureKey, CheckInput::Temperature);
        CheckInputs inputs{.dcCurrent = value(kCurrentKey, CheckInput::DcCurrent),
                           .ripple = value(kRippleKey, CheckInput::Ripple),
                           .frequencyKhz = value(kFrequencyKey, CheckInput::FrequencyKhz),
                           .loadCurrent = value(kLoadCurrentKey, CheckInput::LoadCurrent)};
        const std::optional<double> density = value(kCurrentDensityKey, CheckInput::CurrentDensity);
        // Saved before the converter: one output without a drop, at VoltIn.
        const std::optional<double> drop = value(kDropKey, CheckInput::Drop);
        inputs.drop = drop.value_or(0);
        inputs.inputMin = value(kInputMinKey, CheckInput::InputVoltage);
        inputs.inputMax = value(kInputMaxKey, CheckInput::InputVoltage);
        if (inputs.inputMin && inputs.inputMax && *inputs.inputMin > *inputs.inputMax) {
            reader.Refuse("\"check\": the lowest input voltage lies above the highest");
        }
        inputs.outputs = reader.Outputs(*check);
        if (temperature || inputs.dcCurrent || inputs.ripple || inputs.frequencyKhz ||
            inputs.loadCurrent || density || drop || inputs.ConverterGiven()) {
            inputs.temperature = temperature.value_or(inputs.temperature);
            inputs.currentDensity = density.value_or(inputs.currentDensity);
            document.check = inputs;
        }
    }
    return document;
}

}  // namespace transcalc
