#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Extended.h"
#include "ModeDesign.h"

namespace transcalc::testing_support {

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
