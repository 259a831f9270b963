#include "CheckInputs.h"

#include <utility>

namespace transcalc {

std::optional<Refusal> CheckInputOutOfBounds(CheckInput input, double value) {
    // NaN fails every comparison below and so lies outside all bounds.
    switch (input) {
        case CheckInput::Temperature:
            if (!(value >= kMinTemperatureC && value <= kMaxTemperatureC)) {
                return Refusal{
                    "температура сердечника должна быть числом не ниже -60 °C и не выше "
                    "300 °C: в этих пределах верны модели меди и сердечника",
                    "the core temperature must be a number of at least -60 °C and at most "
                    "300 °C, where the models of copper and core hold"};
            }
            break;
        case CheckInput::DcCurrent:
            if (!(value >= 0 && value <= kMaxCurrentA)) {
                return Refusal{
                    "постоянный ток должен быть числом не меньше 0 А и не больше 100000 А",
                    "the DC current must be a number of at least 0 A and at most 100000 A"};
            }
            break;
        case CheckInput::Ripple:
            if (!(value >= 0 && value <= kMaxCurrentA)) {
                return Refusal{
                    "размах пульсаций должен быть числом не меньше 0 А и не больше 100000 А",
                    "the ripple must be a number of at least 0 A and at most 100000 A"};
            }
            break;
        case CheckInput::FrequencyKhz:
            if (!(value > 0 && value <= kMaxFrequencyKhz)) {
                return Refusal{
                    "частота переключения должна быть числом больше 0 кГц и не "
                    "больше 10000 кГц",
                    "the switching frequency must be a number above 0 kHz and at "
                    "most 10000 kHz"};
            }
            break;
        case CheckInput::LoadCurrent:
            if (!(value > 0 && value <= kMaxCurrentA)) {
                return Refusal{"ток нагрузки должен быть числом больше 0 А и не больше 100000 А",
                               "the load current must be a number above 0 A and at most 100000 A"};
            }
            break;
        case CheckInput::CurrentDensity:
            if (!(value > 0 && value <= kMaxCurrentDensity)) {
                return Refusal{
                    "плотность тока должна быть числом больше 0 А/мм² и не больше "
                    "100 А/мм²",
                    "the current density must be a number above 0 A/mm² and at most "
                    "100 A/mm²"};
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
            if (std::optional<Refusal> why = CheckInputOutOfBounds(input, *value)) {
                throw CheckInputError(std::move(*why));
            }
        }
    }
    if (in.ripple && !in.frequencyKhz) {
        throw CheckInputError(Refusal{"для пульсаций нужна частота переключения",
                                      "the ripple needs the switching frequency"});
    }
}

}  // namespace transcalc
