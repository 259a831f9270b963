#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Calculate.h"
#include "CoreShape.h"
#include "DesignState.h"
#include "FamilyShape.h"
#include "Phrases.h"
#include "ResultsList.h"
#include "WorkMode.h"

namespace transcalc {

// Why there is nothing to check. A result keeps the Russian text; the lines
// show it in their language (TranslatedText).
inline constexpr std::string_view kNoDesignYet = PhraseText(Phrase::NoDesignYet);
inline constexpr std::string_view kNoDesignError = PhraseText(Phrase::NoDesignError);
inline constexpr std::string_view kNoDesignIncomplete = PhraseText(Phrase::NoDesignIncomplete);
inline constexpr std::string_view kNoDesignMode = PhraseText(Phrase::NoDesignMode);
inline constexpr std::string_view kNoDesignValues = PhraseText(Phrase::NoDesignValues);
inline constexpr std::string_view kNoDesignWindow = PhraseText(Phrase::NoDesignWindow);

// What the check takes of one design: the inputs as Calculate read them and
// the turns the results pass chose.
struct CheckedDesign {
    std::optional<std::string> nothingToCheck;  // set: the fields below mean nothing
    WorkMode mode = WorkMode::PushPull;
    // The core as the run read it, with the catalogue core's letters; none
    // without a core picture.
    std::optional<CoreShape> shape;
    double coreArea = 0;           // m², the results list's cross-section
    double pathLength = 0;         // m, the results list's path length
    double effectiveArea = 0;      // m², A_e
    double effectiveLength = 0;    // m, l_e
    double effectiveVolume = 0;    // m³, V_e
    double surface = 0;            // m², outer surface of the core; 0 when unknown
    double turns = 0;              // whole primary turns, or the choke's turns
    double permWithGap = 0;        // effective permeability with the gap
    double permeability = 0;       // the material's relative permeability as entered
    double gap = 0;                // m: the total air gap along the path
    double listInductance = 0;     // H: the results list's; 0 where it has none
    double voltIn = 0;             // V
    double satInduction = 0;       // T: the entered dB
    double period = 0;             // s: transformer modes; the choke takes its own
    double frequency = 0;          // Hz: as entered, flyback 1/period; the choke: 0
    double pulse = 0;              // s: the part of the period the primary drives the core
    double chokeMaxCurrent = 0;    // A: the current at which the choke reaches dB
    double chokeWireDiameter = 0;  // m: the recommended wire of the choke
    // Transformers: the secondary turns the windings take, the list's count
    // that gives at least the output voltage; forward modes: whether even
    // that count falls short of it.
    double secondaryTurns = 0;
    bool secondaryFallsShort = false;
    double voltOut = 0;           // V: the classic's output
    double reflectedVoltage = 0;  // V: the flyback's V_r
    // s: forward modes at an input above the one their pulse is set for, the
    // regulated pulse is shorter and the core rests for this long after each
    // pulse (push-pull: each half period); 0 at the design's own input.
    double idle = 0;
};

// The design a run left: its error box text, the list colour after it, the
// state as Calculate read it and after the results pass, and the core
// pictures it ran with; letters: those of the catalogue core while the design
// still holds it.
CheckedDesign CheckedDesignOf(const std::optional<std::string>& error, ListColour colour,
                              const DesignState& asRead, const DesignState& after,
                              const CorePictures& cores,
                              const std::optional<CoreLetters>& letters = std::nullopt,
                              const std::optional<CatalogueFamilyCore>& familyCore = std::nullopt);

// The core that Calculate read: the shaped core when its picture is shown
// (Ш before П, as Calculate takes them), else the ring, with the catalogue
// core's letters when they are of its kind; a family core as the catalogue
// gives it; none without a picture.
std::optional<CoreShape> CoreShapeOf(
    const DesignState& asRead, const CorePictures& cores,
    const std::optional<CoreLetters>& letters = std::nullopt,
    const std::optional<CatalogueFamilyCore>& familyCore = std::nullopt);

}  // namespace transcalc
