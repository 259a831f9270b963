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

    bool operator==(const CurrentPiece&) const = default;
};

// A periodic current given piece after piece over one period.
struct CurrentSpectrum {
    double mean = 0;             // A, I₀
    double rms = 0;              // A, of the whole current
    std::vector<double> ripple;  // A rms of harmonic k = 1, 2, … in order
};

// The exact Fourier series of a piecewise-linear current up to `harmonics`.
CurrentSpectrum SpectrumOf(std::span<const CurrentPiece> pieces, int harmonics);

// Spectra already computed, by their exact pieces: a search that winds many
// candidates carrying the same currents computes each series once, and gets
// the very same numbers. One cache serves one thread.
class SpectrumCache {
public:
    const CurrentSpectrum& Of(std::span<const CurrentPiece> pieces, int harmonics);

private:
    struct Entry {
        std::vector<CurrentPiece> pieces;
        int harmonics = 0;
        CurrentSpectrum spectrum;
    };
    // A search meets a handful of distinct currents; a flyback's vary with
    // every candidate, so the oldest make way.
    static constexpr std::size_t kEntries = 32;
    std::vector<Entry> entries_;
    std::size_t next_ = 0;  // the entry to replace once full
};

}  // namespace transcalc
