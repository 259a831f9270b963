#include "CheckInputs.h"

#include <utility>
#include <vector>

namespace transcalc {

std::optional<std::string> CheckInputOutOfBounds(CheckInput input, double value) {
    // NaN fails every comparison below and so lies outside all bounds.
    switch (input) {
        case CheckInput::Temperature:
            if (!(value > kAbsoluteZeroC && value <= kMaxTemperatureC)) {
                return "the core temperature must be a number above -273.15 °C and at most "
                       "500 °C";
            }
            break;
        case CheckInput::DcCurrent:
            if (!(value >= 0 && value <= kMaxCurrentA)) {
                return "the DC current must be a number of at least 0 A and at most 100000 A";
            }
            break;
        case CheckInput::Ripple:
            if (!(value >= 0 && value <= kMaxCurrentA)) {
                return "the ripple must be a number of at least 0 A and at most 100000 A";
            }
            break;
        case CheckInput::FrequencyKhz:
            if (!(value > 0 && value <= kMaxFrequencyKhz)) {
                return "the switching frequency must be a number above 0 kHz and at most "
                       "10000 kHz";
            }
            break;
        case CheckInput::LoadCurrent:
            if (!(value > 0 && value <= kMaxCurrentA)) {
                return "the load current must be a number above 0 A and at most 100000 A";
            }
            break;
        case CheckInput::CurrentDensity:
            if (!(value > 0 && value <= kMaxCurrentDensity)) {
                return "the current density must be a number above 0 A/mm² and at most "
                       "100 A/mm²";
            }
            break;
        case CheckInput::OutputVoltage:
            if (!(value > 0 && value <= kMaxVoltage)) {
                return "an output voltage must be a number above 0 V and at most 100000 V";
            }
            break;
        case CheckInput::OutputCurrent:
            if (!(value > 0 && value <= kMaxCurrentA)) {
                return "an output current must be a number above 0 A and at most 100000 A";
            }
            break;
        case CheckInput::Drop:
            if (!(value >= 0 && value <= kMaxDrop)) {
                return "a rectifier drop must be a number of at least 0 V and at most 5 V";
            }
            break;
        case CheckInput::InputVoltage:
            if (!(value > 0 && value <= kMaxVoltage)) {
                return "the input range must be numbers above 0 V and at most 100000 V";
            }
            break;
    }
    return std::nullopt;
}

void ValidateCheckInputs(const CheckInputs& in) {
    const std::pair<CheckInput, std::optional<double>> values[] = {
        {CheckInput::Temperature, in.temperature}, {CheckInput::DcCurrent, in.dcCurrent},
        {CheckInput::Ripple, in.ripple},           {CheckInput::FrequencyKhz, in.frequencyKhz},
        {CheckInput::LoadCurrent, in.loadCurrent}, {CheckInput::CurrentDensity, in.currentDensity},
    };
    for (const auto& [input, value] : values) {
        if (value) {
            if (std::optional<std::string> why = CheckInputOutOfBounds(input, *value)) {
                throw CheckInputError(*why);
            }
        }
    }
    std::vector<std::pair<CheckInput, std::optional<double>>> converter = {
        {CheckInput::Drop, in.drop},
        {CheckInput::InputVoltage, in.inputMin},
        {CheckInput::InputVoltage, in.inputMax},
    };
    for (const ConverterOutput& output : in.outputs) {
        converter.insert(converter.end(), {{CheckInput::OutputVoltage, output.voltage},
                                           {CheckInput::OutputCurrent, output.current},
                                           {CheckInput::Drop, output.drop}});
    }
    for (const auto& [input, value] : converter) {
        if (value) {
            if (std::optional<std::string> why = CheckInputOutOfBounds(input, *value)) {
                throw CheckInputError(*why);
            }
        }
    }
    if (in.outputs.size() + 1 > static_cast<std::size_t>(kMaxOutputs)) {
        throw CheckInputError("a converter has at most 4 outputs");
    }
    if (in.inputMin && in.inputMax && *in.inputMin > *in.inputMax) {
        throw CheckInputError("the lowest input voltage lies above the highest");
    }
    if (in.ripple && !in.frequencyKhz) {
        throw CheckInputError("the ripple needs the switching frequency");
    }
}

}  // namespace transcalc
