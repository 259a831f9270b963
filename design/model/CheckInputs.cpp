#include "CheckInputs.h"

#include <utility>

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
    if (in.ripple && !in.frequencyKhz) {
        throw CheckInputError("the ripple needs the switching frequency");
    }
}

}  // namespace transcalc
