#include "Dowell.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace transcalc {

using std::numbers::pi;

double DowellFactor(double delta, double layers) {
    const double proximity = 2 * (layers * layers - 1) / 3;
    if (delta < 1e-2) {
        // The closed form loses digits to cancellation here; its series
        // (next term of order Δ⁸) does not.
        return 1 + (5 * layers * layers - 1) / 45 * std::pow(delta, 4);
    }
    if (delta > 20) {
        // Both fractions are 1 to double precision; their terms would overflow.
        return delta * (1 + proximity);
    }
    // One exponential, one sine and one cosine, as the curves take this a
    // hundred times per section and frequency: sinh 2Δ + sin 2Δ is
    // 2(sinh Δ·cosh Δ + sin Δ·cos Δ), and cosh 2Δ − cos 2Δ is
    // 2(sinh² Δ + sin² Δ), which spares a difference of two numbers near 1.
    const double grown = std::expm1(delta);
    const double sh = (grown + grown / (grown + 1)) / 2;
    const double ch = sh + 1 / (grown + 1);
    const double s = std::sin(delta);
    const double c = std::cos(delta);
    const double skin = (sh * ch + s * c) / (sh * sh + s * s);
    const double nearby = (sh - s) / (ch + c);
    return delta * (skin + proximity * nearby);
}

double DowellDelta(double conductorDiameter, double pitch, double skinDepth) {
    return std::pow(pi / 4, 0.75) * (conductorDiameter / skinDepth) *
           std::sqrt(conductorDiameter / pitch);
}

double LayerPitch(double outerDiameter, double length, double places) {
    return places > 0 ? std::max(outerDiameter, length / places) : outerDiameter;
}

CurrentSpectrum SpectrumOf(std::span<const CurrentPiece> pieces, int harmonics) {
    CurrentSpectrum s;
    double period = 0;
    double area = 0;
    double square = 0;
    for (const CurrentPiece& p : pieces) {
        period += p.duration;
        area += (p.from + p.to) / 2 * p.duration;
        square += (p.from * p.from + p.from * p.to + p.to * p.to) / 3 * p.duration;
    }
    if (!(period > 0)) {
        return s;
    }
    s.mean = area / period;
    s.rms = std::sqrt(square / period);
    const std::complex<double> j(0, 1);
    for (int k = 1; k <= harmonics; ++k) {
        // c_k = (1/T)∫ i(t)·e^(−jωt) dt, piece by piece; the antiderivative of
        // (a + s·(t − t₀))·e^(−jωt) is (a + s·(t − t₀))·(j/ω)·e^(−jωt) + s·e^(−jωt)/ω².
        const double w = 2 * pi * k / period;
        std::complex<double> sum = 0;
        double start = 0;
        for (const CurrentPiece& p : pieces) {
            if (p.duration > 0) {
                const double slope = (p.to - p.from) / p.duration;
                const std::complex<double> e0 = std::exp(-j * (w * start));
                const std::complex<double> e1 = std::exp(-j * (w * (start + p.duration)));
                const std::complex<double> at1 = p.to * (j / w) * e1 + slope * e1 / (w * w);
                const std::complex<double> at0 = p.from * (j / w) * e0 + slope * e0 / (w * w);
                sum += at1 - at0;
            }
            start += p.duration;
        }
        s.ripple.push_back(std::sqrt(2.0) * std::abs(sum) / period);
    }
    return s;
}

const CurrentSpectrum& SpectrumCache::Of(std::span<const CurrentPiece> pieces, int harmonics) {
    for (const Entry& entry : entries_) {
        if (entry.harmonics == harmonics && std::ranges::equal(entry.pieces, pieces)) {
            return entry.spectrum;
        }
    }
    Entry entry{{pieces.begin(), pieces.end()}, harmonics, SpectrumOf(pieces, harmonics)};
    if (entries_.size() < kEntries) {
        entries_.push_back(std::move(entry));
        return entries_.back().spectrum;
    }
    Entry& replaced = entries_[next_];
    next_ = (next_ + 1) % kEntries;
    replaced = std::move(entry);
    return replaced.spectrum;
}

}  // namespace transcalc
