#pragma once

#include <string>
#include <vector>

namespace transcalc {

// The saturation flux density of a material at one temperature.
struct SaturationPoint {
    double temperature = 0;  // °C
    double fluxDensity = 0;  // T
};

// One frequency range of a material's Steinmetz fit, P_v = k·f^α·B^β in
// W/m³ (f in Hz, B in T), with the optional temperature factor
// ct0 − ct1·T + ct2·T² (T in °C).
struct SteinmetzRange {
    double minimumFrequency = 0;  // Hz
    double maximumFrequency = 0;  // Hz
    double k = 0;
    double alpha = 0;
    double beta = 0;
    bool hasTemperatureFactor = false;
    double ct0 = 0;
    double ct1 = 0;
    double ct2 = 0;
};

// A core material as the catalogue knows it and the design check uses it.
struct Material {
    std::string name;
    std::string maker;
    std::string composition;                  // "ferrite", "powder", ...
    double initialPermeability = 0;           // at 25 °C
    std::vector<SaturationPoint> saturation;  // ascending temperature
    std::vector<SteinmetzRange> steinmetz;    // ascending frequency
};

// The saturation flux density at a temperature: linear between the two
// nearest points, the end value beyond them, and never above a point at a
// lower temperature; 0 for a material without points.
double SaturationAt(const Material& material, double temperature);

}  // namespace transcalc
