#pragma once

#include <optional>
#include <string>

#include "DesignState.h"
#include "InputField.h"
#include "Language.h"
#include "NumberText.h"
#include "ResultsList.h"
#include "WorkMode.h"

namespace transcalc {

// A catalogue core of a family beyond the classic three: the designs take
// its effective cross-section and path instead of dimension fields.
struct NamedCore {
    std::string name;
    double areaCm2 = 0;
    double pathCm = 0;

    bool operator==(const NamedCore& other) const = default;
};

// The core kind as the window holds it: which core pictures are visible
// (BitBtn2 ring, BitBtn3 Ш-shaped, BitBtn4 П-shaped). Normally one at most.
// A named core shows its family's drawing in their place, and no classic
// picture.
struct CorePictures {
    bool ring = false;
    bool shapedE = false;
    bool shapedU = false;
    std::optional<NamedCore> named;

    static constexpr CorePictures Of(CoreKind kind) {
        return {.ring = kind == CoreKind::Ring,
                .shapedE = kind == CoreKind::ShapedE,
                .shapedU = kind == CoreKind::ShapedU,
                .named = std::nullopt};
    }
    constexpr bool& Shows(CoreKind kind) {
        return kind == CoreKind::Ring ? ring : kind == CoreKind::ShapedE ? shapedE : shapedU;
    }
    constexpr bool Shows(CoreKind kind) const {
        return kind == CoreKind::Ring ? ring : kind == CoreKind::ShapedE ? shapedE : shapedU;
    }
    constexpr bool operator==(const CorePictures& other) const = default;
};

// The work of the Calculate command: empties the list, reads every field into
// the state, computes the core geometry, appends the echo of the inputs and
// the mode line, sets the list colour and finally sets ResultsPending. A
// conversion error or an arithmetic fault ends it at that step, with what was
// done before kept; ResultsPending is then left as it was. Showing the results
// panel and arming the results timer are the window's part. The lines are
// written in the language; the state is the same in both.
void Calculate(const InputFields& fields, const CorePictures& cores, DesignState& state,
               ResultsList& list, DecimalSeparator separator,
               Language language = Language::Russian);

}  // namespace transcalc
