#pragma once

#include <cstddef>
#include <optional>
#include <stop_token>
#include <string>

#include "Adviser.h"

namespace transcalc {

// The adviser's work on one core: every design of its grid judged, and the
// feasible one of least loss kept.
struct CoreOutcome {
    std::optional<AdvisedCore> best;
    std::size_t candidates = 0;
    RuledOutCounts ruledOut;
    std::optional<std::string> runFailure;  // the first failed run's text
};

// Searches one core; a stop request ends it between two designs.
CoreOutcome SearchCore(const AdviserInputs& inputs, const AdviserCatalogue& catalogue,
                       const AdviserCore& core, std::stop_token stop);

// A count of hundredths as a field text: 5 -> "0,05", 120 -> "1,2".
std::string HundredthsText(int hundredths, DecimalSeparator separator);

}  // namespace transcalc
