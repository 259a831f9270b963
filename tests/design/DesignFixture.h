#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "DesignState.h"
#include "Extended.h"
#include "ModeDesign.h"

namespace transcalc::testing_support {

using Lines = std::vector<std::string>;

// The core most design tests run on: 0.5 cm² over a 5 cm path, permeability
// 2000, dB 0.3 T, no gap.
inline DesignState TestCore() {
    DesignState s;
    s.CoreArea = 0.5;
    s.PathLength = 5;
    s.Permeability = 2000;
    s.SatInduction = 0.3;
    return s;
}

// A copy of a state with one value changed.
inline DesignState With(DesignState s, double DesignState::*field, double value) {
    s.*field = value;
    return s;
}

// What one mode design left: its lines, how it ended, or the fault text.
struct BranchRun {
    std::vector<std::string> lines;
    std::optional<BranchOutcome> outcome;
    std::string fault;
};

template <typename Design>
BranchRun RunBranch(Design design, DesignState& state) {
    RecordedList list;
    ResultWriter out(list, ",");
    BranchRun run;
    try {
        run.outcome = design(state, out);
    } catch (const ArithmeticFault& fault) {
        run.fault = fault.what();
    }
    run.lines = list.lines;
    return run;
}

}  // namespace transcalc::testing_support
