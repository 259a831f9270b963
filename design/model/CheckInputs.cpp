#include "CheckInputs.h"

#include <utility>
#include <vector>

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
        case CheckInput::OutputVoltage:
            if (!(value > 0 && value <= kMaxVoltage)) {
                return Refusal{
                    "напряжение выхода должно быть числом больше 0 В и не больше 100000 В",
                    "an output voltage must be a number above 0 V and at most 100000 V"};
            }
            break;
        case CheckInput::OutputCurrent:
            if (!(value > 0 && value <= kMaxCurrentA)) {
                return Refusal{"ток выхода должен быть числом больше 0 А и не больше 100000 А",
                               "an output current must be a number above 0 A and at most 100000 A"};
            }
            break;
        case CheckInput::Drop:
            if (!(value >= 0 && value <= kMaxDrop)) {
                return Refusal{
                    "падение на выпрямителе должно быть числом не меньше 0 В и не больше 5 В",
                    "a rectifier drop must be a number of at least 0 V and at most 5 V"};
            }
            break;
        case CheckInput::InputVoltage:
            if (!(value > 0 && value <= kMaxVoltage)) {
                return Refusal{
                    "пределы входного напряжения должны быть числами больше 0 В и не больше "
                    "100000 В",
                    "the input range must be numbers above 0 V and at most 100000 V"};
            }
            break;
    }
    return std::nullopt;
}

void ValidateCheckInputs(const CheckInputs& in) {
    std::vector<std::pair<CheckInput, std::optional<double>>> values = {
        {CheckInput::Temperature, in.temperature},
        {CheckInput::DcCurrent, in.dcCurrent},
        {CheckInput::Ripple, in.ripple},
        {CheckInput::FrequencyKhz, in.frequencyKhz},
        {CheckInput::LoadCurrent, in.loadCurrent},
        {CheckInput::CurrentDensity, in.currentDensity},
        {CheckInput::Drop, in.drop},
        {CheckInput::InputVoltage, in.inputMin},
        {CheckInput::InputVoltage, in.inputMax},
    };
    for (const ConverterOutput& output : in.outputs) {
        values.insert(values.end(), {{CheckInput::OutputVoltage, output.voltage},
                                     {CheckInput::OutputCurrent, output.current},
                                     {CheckInput::Drop, output.drop}});
    }
    for (const auto& [input, value] : values) {
        if (value) {
            if (std::optional<Refusal> why = CheckInputOutOfBounds(input, *value)) {
                throw CheckInputError(std::move(*why));
            }
        }
    }
    if (in.outputs.size() + 1 > static_cast<std::size_t>(kMaxOutputs)) {
        throw CheckInputError(
            Refusal{"у преобразователя не больше 4 выходов", "a converter has at most 4 outputs"});
    }
    if (in.inputMin && in.inputMax && *in.inputMin > *in.inputMax) {
        throw CheckInputError(Refusal{"наименьшее входное напряжение выше наибольшего",
                                      "the lowest input voltage lies above the highest"});
    }
    if (in.ripple && !in.frequencyKhz) {
        throw CheckInputError(Refusal{"для пульсаций нужна частота переключения",
                                      "the ripple needs the switching frequency"});
    }
}

}  // namespace transcalc
