#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Refusal.h"

namespace transcalc {

// An output of the converter beyond the classic's own (outputs 2…4).
struct ConverterOutput {
    double voltage = 0;  // V
    double current = 0;  // A
    std::string name;    // empty: "S2", "S3", "S4" by its place
    double drop = 0;     // V, of its rectifier

    bool operator==(const ConverterOutput& other) const = default;
};

// What the user adds for the check. The choke's values are optional; the
// transformer modes ignore them.
struct CheckInputs {
    double temperature = 100;            // °C, of the core
    std::optional<double> dcCurrent;     // A
    std::optional<double> ripple;        // A, peak to peak
    std::optional<double> frequencyKhz;  // kHz, switching frequency
    // For the windings:
    std::optional<double> loadCurrent;  // A, the forward modes' output current
    double currentDensity = 4;          // A/mm²
    // The converter around a transformer: output 1 is the classic's (VoltOut
    // and the load current) with its rectifier drop; the input range defaults
    // to VoltIn at both ends.
    double drop = 0;                       // V, output 1's rectifier
    std::vector<ConverterOutput> outputs;  // outputs 2…K
    std::optional<double> inputMin;        // V
    std::optional<double> inputMax;        // V

    // Whether a converter is given around the transformer: a drop, another
    // output or an input range.
    bool ConverterGiven() const { return drop != 0 || !outputs.empty() || inputMin || inputMax; }

    bool operator==(const CheckInputs& other) const = default;
};

// Check inputs that cannot be used; the refusal says which and why.
class CheckInputError : public RefusalError {
public:
    using RefusalError::RefusalError;
};

// The physical bounds of the check's inputs, the same wherever they are
// given: the window, the command line and design files. The temperature's
// are those over which the models hold, as for the catalogue's saturation
// data: copper's linear resistivity turns negative at -234.5 °C, and the
// ferrites' loss fits run wild far from their data.
inline constexpr double kMinTemperatureC = -60;    // °C
inline constexpr double kMaxTemperatureC = 300;    // °C
inline constexpr double kMaxCurrentA = 1e5;        // A, the DC current and the ripple
inline constexpr double kMaxFrequencyKhz = 1e4;    // kHz
inline constexpr double kMaxCurrentDensity = 100;  // A/mm²
inline constexpr double kMaxDrop = 5;              // V, a rectifier's drop
inline constexpr double kMaxVoltage = 1e5;         // V, an output or the input range
inline constexpr int kMaxOutputs = 4;              // the classic's output and three more

enum class CheckInput {
    Temperature,
    DcCurrent,
    Ripple,
    FrequencyKhz,
    LoadCurrent,
    CurrentDensity,
    OutputVoltage,
    OutputCurrent,
    Drop,
    InputVoltage,
};

// Why a value of one input lies outside its bounds, naming the input and
// its bounds; none when within them.
std::optional<Refusal> CheckInputOutOfBounds(CheckInput input, double value);

// Throws CheckInputError for an input outside its bounds, a ripple without a
// frequency, more than four outputs or an input range whose minimum lies
// above its maximum.
void ValidateCheckInputs(const CheckInputs& inputs);

}  // namespace transcalc
