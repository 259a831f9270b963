#include "Permeability.h"

#include <algorithm>
#include <cmath>

namespace transcalc {
namespace {

// The coefficient i of a fit, 0 where the data leaves it out.
double At(const std::vector<double>& c, std::size_t i) {
    return i < c.size() ? c[i] : 0;
}

double Polynomial(const std::vector<double>& c, double x) {
    double sum = 0;
    for (std::size_t i = c.size(); i-- > 0;) {
        sum = sum * x + c[i];
    }
    return sum;
}

double Bounded(double factor) {
    return std::isfinite(factor) ? std::clamp(factor, 0.01, 10.0) : 1.0;
}

// Magnetics publishes each factor as a share of the initial permeability:
// the bias as %μ = 1/(a + b·H^c), frequency and temperature as polynomials
// of the change.
double MagneticsPermeability(double initial, const PermeabilityModifiers& m,
                             const OperatingPoint& p) {
    double mu = initial;
    if (!m.bias.empty()) {
        mu *= Bounded(0.01 /
                      (At(m.bias, 0) + At(m.bias, 1) * std::pow(std::abs(p.field), At(m.bias, 2))));
    }
    if (!m.frequency.empty() && p.frequency > 0) {
        mu *= Bounded(1 + Polynomial(m.frequency, p.frequency));
    }
    if (!m.temperature.empty()) {
        mu *= Bounded(1 + Polynomial(m.temperature, p.temperature));
    }
    return mu;
}

// Micrometals gives the permeability against frequency outright and the
// other factors as percentages.
double MicrometalsPermeability(double initial, const PermeabilityModifiers& m,
                               const OperatingPoint& p) {
    double mu = initial;
    const std::vector<double>& f = m.frequency;
    if (!f.empty() && p.frequency > 0) {
        const double fitted =
            1 / (At(f, 0) + At(f, 1) * std::pow(p.frequency, At(f, 2))) + At(f, 3);
        mu = initial * Bounded(fitted / initial);
    }
    const std::vector<double>& h = m.bias;
    if (!h.empty()) {
        const double percent =
            1 / (At(h, 0) + At(h, 1) * std::pow(std::abs(p.field), At(h, 2))) + At(h, 3);
        mu *= Bounded(0.01 * percent);
    }
    const std::vector<double>& b = m.flux;
    if (b.size() >= 6 && p.acFlux > 0) {
        const double sum = 1 / (b[0] + b[1] * std::pow(p.acFlux, b[2])) +
                           1 / (b[3] * std::pow(p.acFlux, b[4])) + 1 / b[5];
        mu *= Bounded(0.01 / sum);
    }
    const std::vector<double>& t = m.temperature;
    const double celsius = p.temperature;
    if (t.size() == 1) {
        // a in ppm/°C from 20 °C
        mu *= Bounded(1 + 0.01 * t[0] * (celsius - 20) * 1e-4);
    } else if (t.size() >= 5) {
        mu *= Bounded(1 + 0.01 * (t[0] + t[2] * celsius + t[4] * celsius * celsius) /
                              (1 + t[1] * celsius + t[3] * celsius * celsius));
    }
    return mu;
}

// Ferrites' data carry only Fair-Rite's temperature coefficients, and read
// as the factor 1 + a·T/100 they triple μ at 100 °C, against the maker's own
// curves: a ferrite keeps its initial permeability.
const PermeabilityModifiers* PowderFit(const Material& material, std::string_view family) {
    if (material.composition != "powder") {
        return nullptr;
    }
    const PermeabilityModifiers* fit = FitForFamily(material.modifiers, family);
    return fit != nullptr && fit->method != PowderMethod::FairRite ? fit : nullptr;
}

}  // namespace

bool PermeabilityRollsOff(const Material& material, std::string_view family) {
    const PermeabilityModifiers* fit = PowderFit(material, family);
    return fit != nullptr && !fit->bias.empty();
}

double PermeabilityAt(const Material& material, std::string_view family,
                      const OperatingPoint& point) {
    const PermeabilityModifiers* fit = PowderFit(material, family);
    if (fit == nullptr) {
        return material.initialPermeability;
    }
    return fit->method == PowderMethod::Magnetics
               ? MagneticsPermeability(material.initialPermeability, *fit, point)
               : MicrometalsPermeability(material.initialPermeability, *fit, point);
}

}  // namespace transcalc
