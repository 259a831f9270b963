#pragma once

#include <array>
#include <string>

#include "DesignState.h"
#include "NumberText.h"
#include "ResultsList.h"

namespace transcalc {

// The texts of the twelve input fields, Edit1 to Edit12, as typed.
struct InputFields {
    std::array<std::string, 12> texts;

    std::string& Edit(int number) { return texts.at(number - 1); }
    const std::string& Edit(int number) const { return texts.at(number - 1); }
};

// The core kind as the window holds it: which core pictures are visible
// (BitBtn2 ring, BitBtn3 Ш-shaped, BitBtn4 П-shaped). Normally one at most.
struct CorePictures {
    bool ring = false;
    bool shapedE = false;
    bool shapedU = false;
};

// The work of the Calculate command: empties the list, reads every field into
// the state, computes the core geometry, appends the echo of the inputs and
// the mode line, sets the list colour and finally sets ResultsPending. A
// conversion error or an arithmetic fault ends it at that step, with what was
// done before kept; ResultsPending is then left as it was. Showing the results
// panel and arming the results timer are the window's part.
void Calculate(const InputFields& fields, const CorePictures& cores, DesignState& state,
               ResultsList& list, DecimalSeparator separator);

}  // namespace transcalc
