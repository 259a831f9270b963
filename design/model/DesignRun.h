#pragma once

#include <optional>
#include <string>

#include "CheckedDesign.h"
#include "DesignModel.h"
#include "DesignState.h"
#include "Language.h"
#include "NumberText.h"
#include "ResultsList.h"

namespace transcalc {

// What one run of a design left.
struct DesignRun {
    RecordedList list;                 // the results list and its colour
    std::optional<std::string> error;  // the error box text, when the run ended on one
    // The state as Calculate read the fields, before the designs overwrote
    // some of them (the forward designs reuse PulseUs), and after the pass.
    DesignState asRead;
    DesignState after;
    CheckedDesign checked;  // what the design check and the windings read
    // The family of the core the design ran on; none without a core.
    std::optional<CoreFamily> coreFamily;
};

// The cores a design's run takes: its classic pictures, or its family core
// named, on that core's effective cross-section and path.
CorePictures RunCores(const Design& design);

// One click on "Расчет" in a freshly started window: Calculate, and when it
// succeeds the one results pass that it arms. An error ends the run where it
// arose, as in the window. Every program runs a design through this; letters:
// those of its catalogue core while the design still holds it, which the
// caller looks up in the catalogue. The list is written in the language;
// everything else is the same in both.
DesignRun RunDesign(const Design& design, DecimalSeparator separator,
                    const std::optional<CoreLetters>& letters = std::nullopt,
                    Language language = Language::Russian);

}  // namespace transcalc
