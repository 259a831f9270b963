#pragma once

#include <optional>

#include "Refusal.h"

namespace transcalc {

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

enum class CheckInput { Temperature, DcCurrent, Ripple, FrequencyKhz, LoadCurrent, CurrentDensity };

// Why a value of one input lies outside its bounds, naming the input and
// its bounds; none when within them.
std::optional<Refusal> CheckInputOutOfBounds(CheckInput input, double value);

// Throws CheckInputError for an input outside its bounds or a ripple
// without a frequency.
void ValidateCheckInputs(const CheckInputs& inputs);

}  // namespace transcalc
