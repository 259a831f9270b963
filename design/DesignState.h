#pragma once

#include <string>
#include <string_view>

namespace transcalc {

// The four work modes, compared with Mode as whole texts.
inline constexpr std::string_view kModeChoke = "Дроссель";
inline constexpr std::string_view kModeFlyback = "Обратноходовой";
inline constexpr std::string_view kModeSingleEnded = "Однотактный";
inline constexpr std::string_view kModePushPull = "Двухтактный";

// The design values shared by Calculate, the results pass and the mode designs.
// One instance lives as long as the window. Calculate resets and reads the
// inputs; what it does not set keeps the value that its last writer left.
struct DesignState {
    double Inductance = 0;        // H: the winding computed last
    double DimHL1 = 0;            // cm: ring height H, or leg width L1 of a shaped core
    double DimL2 = 0;             // cm: depth L2 of a shaped core
    double VoltIn = 0;            // V: input (primary) voltage
    double VoltOut = 0;           // V: output (secondary) voltage
    double RingD1 = 0;            // cm: ring outer diameter D1
    double RingD2 = 0;            // cm: ring inner diameter D2
    double CoreArea = 0;          // cm²: core cross-section; never reset
    double PathLength = 0;        // cm: magnetic path length; never reset
    double SatInduction = 0;      // T: saturation induction dB of the core material
    double FreqHz = 0;            // Hz: switching frequency
    double Permeability = 0;      // initial relative permeability of the material
    double PermWithGap = 0;       // effective permeability of the gapped core
    double ChokeTurns = 0;        // turns of the choke; kept when its field is empty
    double TurnsPrimary = 0;      // primary turns
    double TurnsSecondary = 0;    // secondary turns
    double GapCm = 0;             // cm: core gap
    double DimH1 = 0;             // cm: height H1 of a shaped core
    double DimH2 = 0;             // cm: overall width H2 of a shaped core
    double PulseUs = 0;           // µs: pulse duration
    double OvershootVolt = 0;     // V: allowed flyback overshoot; kept when its field is empty
    bool ResultsPending = false;  // a results pass is due
    std::string Mode;             // one of the four mode texts, or empty
};

}  // namespace transcalc
