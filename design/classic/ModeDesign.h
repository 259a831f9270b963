#pragma once

#include "DesignState.h"
#include "Extended.h"
#include "ResultsList.h"

namespace transcalc {

// How a mode design ends: it has appended its results, or it refuses because
// data are missing (after appending its own message, if it has one), and the
// results pass then appends the failure line.
enum class BranchOutcome { Completed, Refused };

// Volt-seconds in V·µs over flux in T·cm² give turns divided by this: 1 µs
// over 1 cm² is 10⁻⁶ s over 10⁻⁴ m².
inline constexpr int kMicrosecondsPerSquareCm = 100;
// A swing from −dB to +dB, as in the push-pull core, takes twice the turns.
inline constexpr int kFullSwingMicrosecondsPerSquareCm = 2 * kMicrosecondsPerSquareCm;

// Inductance in henry shown in millihenry to five decimals (multiplication form).
Extended MilliHenry(double henry);

}  // namespace transcalc
