#pragma once

#include <span>
#include <vector>

namespace transcalc {

// The AC resistance of a winding section: Dowell's factor for layers of
// round wire, and the harmonics of the piecewise-linear currents that a
// switched supply drives through its windings.

// Dowell's factor F_R = R_ac/R_dc of m layers at Δ, the wire's diameter
// over the skin depth scaled to a square conductor of the same area.
double DowellFactor(double delta, double layers);

// Δ of round copper of conductor diameter dc wound at pitch p (the distance
// between neighbouring centres in a layer) at skin depth δ:
// (π/4)^(3/4)·(dc/δ)·sqrt(dc/p).
double DowellDelta(double conductorDiameter, double pitch, double skinDepth);

// The pitch of `places` wires of outer diameter d spread over a layer of
// `length`: no closer than touching, max(d, length/places).
double LayerPitch(double outerDiameter, double length, double places);

// One straight piece of a periodic current: from `from` A at its start to
// `to` A at its end, lasting `duration` seconds.
struct CurrentPiece {
    double from = 0;
    double to = 0;
    double duration = 0;
};

// A periodic current given piece after piece over one period.
struct CurrentSpectrum {
    double mean = 0;             // A, I₀
    double rms = 0;              // A, of the whole current
    std::vector<double> ripple;  // A rms of harmonic k = 1, 2, … in order
};

// The exact Fourier series of a piecewise-linear current up to `harmonics`.
CurrentSpectrum SpectrumOf(std::span<const CurrentPiece> pieces, int harmonics);

}  // namespace transcalc
