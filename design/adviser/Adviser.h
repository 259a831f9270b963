#pragma once

// The core adviser.
//
// How the pieces fit:
//   Adviser      (this file) what a search takes and gives: the inputs, the
//                cores to try, the rows kept and the counts of what was
//                ruled out; no thread in sight
//   AdviserText  the words of an outcome: why nothing fits, a row's wires
//   Advise       the whole search, shared out over an AdviserPool
//   AdviserPool  the threads a search runs on, owned by whoever searches
//   AdviserSearch  the designs of one core judged, the least loss kept

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CheckInputs.h"
#include "CoreFamily.h"
#include "CoreShape.h"
#include "DesignModel.h"
#include "InputField.h"
#include "Language.h"
#include "Material.h"
#include "NumberText.h"
#include "Refusal.h"
#include "WindingCheck.h"
#include "WorkMode.h"

namespace transcalc {

// The core adviser: from the converter's figures to the smallest cores that
// work. Every core of the chosen families is tried as designs the user could
// have typed (dB for the forward modes; dB and the smallest gap that delivers
// the power for the flyback; the gap and the fewest turns that reach the
// inductance for the choke), each run as "Расчет" runs it, then through the
// design check and the winding check. A design is feasible when the run ends
// in the list's normal colour, the saturation margin and the rise are within
// the asked ones and the winding fits. Each core keeps its feasible design of
// least loss; the cores are listed smallest first.

// The four dimension texts of a core in one string: a search holds one for
// each of 100 000 user cores, and four strings would cost three times the
// room.
class DimensionTexts {
public:
    DimensionTexts() = default;
    DimensionTexts(std::string_view d1, std::string_view d2, std::string_view d3,
                   std::string_view d4);

    std::string_view operator[](std::size_t index) const;
    bool operator==(const std::array<std::string, 4>& texts) const;

private:
    std::string texts_;                    // one after the other
    std::array<std::uint32_t, 3> ends_{};  // where the first three end
};

// A core as the catalogue gives it to a design: the adviser knows no
// catalogue.
struct AdviserCore {
    std::string name;  // the catalogue's name
    // The classic kind; for a family core the one its gap site makes it
    // (FamilyClassicKind), which also says that it is cut like an E or U pair.
    CoreKind kind = CoreKind::Ring;
    // The dimension fields Edit1..Edit4 as the catalogue fills them, with the
    // inputs' separator; a ring leaves the fourth empty (it is not written).
    // Empty for a family core, which takes no field.
    DimensionTexts dimensions;
    // The letters the design check takes for a shaped catalogue core.
    std::optional<CoreLetters> letters;
    // A core of a family beyond the classic three, with its bobbin; shared,
    // not held in place, as most cores of a large search have none.
    std::shared_ptr<const CatalogueFamilyCore> familyCore;

    CoreFamily Family() const { return familyCore ? familyCore->core.family : FamilyOfKind(kind); }
};

// What the search draws from: the cores of the chosen families in catalogue
// order, the material with the fields it fills, and the round wires.
struct AdviserCatalogue {
    std::vector<AdviserCore> cores;
    Material material;
    std::string permeabilityText;  // the permeability field as the material fills it
    // The dB field as the material fills it (the choke's dB); empty for a
    // material without saturation data, when the window's dB stays.
    std::string workingFluxText;
    std::vector<RoundWire> wires;  // in metres, as WindingWires leaves them
};

// What the user asks of the adviser.
struct AdviserInputs {
    WorkMode mode = WorkMode::PushPull;
    // The fields as the window holds them: the adviser reads the frequency or
    // pulse, both voltages and the overshoot, and keeps every other field
    // that it does not choose. It chooses the dimensions, the gap, dB (forward
    // modes and flyback) and the choke's turns; the material fills the
    // permeability.
    InputFields fields = InputFields::DesignTexts();
    std::string separator = ",";       // the decimal separator of the field texts
    std::string material;              // the catalogue's name; required
    std::vector<CoreFamily> families;  // the families searched, at least one
    // Temperature, current density, the forward modes' and the flyback's
    // load current, and the choke's I_dc, ripple and switching frequency.
    CheckInputs check;
    double margin = 0.2;                 // the least saturation margin at the temperature, 0..1
    double maxRise = 40;                 // K, the largest temperature rise of the whole part
    std::optional<double> inductanceMh;  // the choke's wanted inductance
    std::size_t limit = 20;              // the most rows listed
};

// Inputs the adviser cannot search with; the refusal says which and why.
class AdviserInputError : public RefusalError {
public:
    using RefusalError::RefusalError;
};

// The bounds of the adviser's own inputs.
inline constexpr double kMaxAdviserMargin = 0.99;  // 1: no flux at all is allowed
inline constexpr double kMaxAdviserRise = 1000;    // K
inline constexpr double kMaxAdviserInductanceMh = 1e6;
inline constexpr std::size_t kMaxAdviserLimit = 100000;

// Throws AdviserInputError for inputs the search cannot use: no family, a
// margin, rise, inductance or limit out of its bounds, a missing load
// current (forward modes and flyback) or inductance and DC current (choke),
// and check inputs out of their bounds.
void ValidateAdviserInputs(const AdviserInputs& inputs);

// The steps of the grids.
inline constexpr double kAdviserLowestDb = 0.02;  // T
inline constexpr double kAdviserDbStep = 0.01;    // T
inline constexpr double kAdviserGapStep = 0.05;   // mm
inline constexpr double kAdviserLargestGap = 3;   // mm

// One kept core: its feasible design of least loss.
struct AdvisedCore {
    std::string core;                // the catalogue's name
    CoreKind kind = CoreKind::Ring;  // as AdviserCore's
    CoreFamily family = CoreFamily::Ring;
    // What "Применить" puts into the window: fields, core picture, mode,
    // catalogue core, material and check inputs. Run through RunDesign and
    // both checks it gives the figures below exactly.
    Design design;
    double db = 0;                         // T, the dB field
    double gap = 0;                        // m
    std::optional<double> turnsPrimary;    // transformers
    std::optional<double> turnsSecondary;  // transformers
    std::optional<double> turns;           // choke
    std::vector<WindingSection> sections;  // the winding's wires, inner to outer
    double fill = 0;                       // build over window
    std::optional<double> coreLoss;        // W; none when the material gives none
    double copperLoss = 0;                 // W
    std::optional<double> totalLoss;       // W; none without a core loss
    // K: of the whole part, or of the copper alone when the core loss is
    // unknown.
    double temperatureRise = 0;
    double margin = 0;  // 1 − B_pk/B_sat at the temperature
    double volume = 0;  // m³, V_e
    bool coreLossUnknown = false;

    // The loss that ranks the designs: the total, or the copper's alone.
    double RankingLoss() const { return totalLoss.value_or(copperLoss); }
};

// The conditions that rule a design out, in the order they are judged.
enum class RuledOut {
    Run,         // the run ends in an error, in red, or the check refuses it
    Voltage,     // forward modes: no secondary count of the list reaches V_out
    Saturation,  // the margin is below the asked one (or dB above the allowed)
    Power,       // flyback: no gap up to the largest delivers V_out·I_L
    Fit,         // the winding does not fit the window (or cannot be wound)
    Rise,        // the temperature rise is above the asked one
};
inline constexpr std::size_t kRuledOutCount = 6;

// The key of a condition in the command line's JSON: "run", "voltage",
// "saturation", "power", "fit", "rise".
std::string_view RuledOutKey(RuledOut condition);

// Counts by condition.
struct RuledOutCounts {
    std::array<std::size_t, kRuledOutCount> counts{};

    std::size_t& operator[](RuledOut c) { return counts[static_cast<std::size_t>(c)]; }
    std::size_t operator[](RuledOut c) const { return counts[static_cast<std::size_t>(c)]; }
    bool operator==(const RuledOutCounts& other) const = default;
};

struct AdviserResult {
    std::vector<AdvisedCore> rows;  // by V_e, then loss, then catalogue order; at most the limit
    std::size_t feasibleCores = 0;  // cores with a feasible design, before the limit
    std::size_t coresSearched = 0;
    std::size_t candidates = 0;  // designs judged
    RuledOutCounts ruledOut;     // designs, by the first condition they failed
    // Cores all of whose designs fell to one condition, by that condition.
    RuledOutCounts coresRuledOut;
    // Why the first core in catalogue order whose run failed failed: the
    // error box text or why the check had nothing to check.
    std::optional<std::string> runFailure;
    bool cancelled = false;  // stopped before the end: the rest means nothing
};

// Where nothing is feasible, which condition ruled out most designs, in words
// a user can act on, e.g. "все 433 кольца насыщаются при 100 °C уже при
// dB = 0,02 Тл" or, in English, "all 433 rings saturate at 100 °C even at
// dB = 0,02 T"; a search beyond the classic three names its families
// ("все 33 сердечника PQ", "all 79 cores (ETD, PQ, RM)"). Empty when some
// core is feasible or the search was cancelled.
std::string NothingFitsText(const AdviserInputs& inputs, const AdviserResult& result,
                            Language language = Language::Russian);

// The wires of a row in short, e.g. "P1, P2: 0,8; S1, S2: 4×0,56" (conductor
// diameters in mm, strands before them).
std::string WireSummary(const AdvisedCore& row, DecimalSeparator separator);

}  // namespace transcalc
