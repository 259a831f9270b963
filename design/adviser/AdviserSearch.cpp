#include "AdviserSearch.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

#include "Calculate.h"
#include "Converter.h"
#include "ConverterRun.h"
#include "DesignRun.h"
#include "GappedInductance.h"
#include "NumberFormat.h"
#include "Physics.h"

namespace transcalc {
namespace {

constexpr int kLowestDbHundredths = 2;
// No material saturates above 10 T: the grid of a user's odd entry ends there.
constexpr int kHighestDbHundredths = 1000;
constexpr int kGapHundredthsStep = 5;
constexpr int kLargestGapHundredths = 300;
// More turns than this are wound on no core.
constexpr double kMostTurns = 1e6;

// What one core's designs share, and the judging of one design.
class CoreSearch {
public:
    CoreSearch(const AdviserInputs& inputs, const AdviserCatalogue& catalogue,
               const AdviserCore& core, SpectrumCache& spectra)
        : in_(inputs), catalogue_(catalogue), core_(core), spectra_(spectra) {
        base_.fields = inputs.fields;
        if (core.familyCore) {
            // Run on its effective area and path, as the window runs it.
            base_.ShowFamilyCore(core.name, *core.familyCore);
        } else {
            const int dimensions = InfoOf(core.kind).dimensionCount;
            for (int i = 0; i < dimensions; ++i) {
                base_.fields[static_cast<Field>(i + 1)] =
                    std::string(core.dimensions[static_cast<std::size_t>(i)]);
            }
            base_.cores = CorePictures::Of(core.kind);
            base_.catalogueCore = core.name;
        }
        base_.fields[Field::Permeability] = catalogue.permeabilityText;
        base_.mode = std::string(ModeText(inputs.mode));
        base_.material = catalogue.material.name;
        base_.check = inputs.check;
    }

    CoreOutcome Run(std::stop_token stop) {
        switch (in_.mode) {
            case WorkMode::Choke:
                SearchChoke(stop);
                break;
            case WorkMode::Flyback:
                SearchTransformer(stop, true);
                break;
            case WorkMode::SingleEnded:
            case WorkMode::PushPull:
                SearchTransformer(stop, false);
                break;
        }
        return std::move(outcome_);
    }

private:
    DesignRun RunOf(const Design& design) const {
        return RunDesign(design, in_.separator, core_.letters);
    }

    // The forward modes choose dB; the flyback also the smallest gap that
    // delivers the power, which grows as the gap lowers the inductance.
    void SearchTransformer(std::stop_token stop, bool flyback) {
        const double allowed =
            SaturationAt(catalogue_.material, in_.check.temperature) * (1 - in_.margin);
        Design design = base_;
        int tried = 0;
        for (int db = kLowestDbHundredths; db <= kHighestDbHundredths && db / 100.0 <= allowed;
             ++db) {
            if (stop.stop_requested()) {
                return;
            }
            ++tried;
            design.fields[Field::SatInduction] = HundredthsText(db, in_.separator);
            if (!flyback) {
                Judge(design, RunOf(design));
                continue;
            }
            auto [gap, run] = SmallestDeliveringGap(design);
            design.fields[Field::Gap] = HundredthsText(gap, in_.separator);
            Judge(design, run);
        }
        if (tried == 0) {
            // Even the lowest dB leaves less than the margin.
            ++outcome_.candidates;
            ++outcome_.ruledOut[RuledOut::Saturation];
        }
    }

    // The smallest gap of the grid whose design delivers the power, with its
    // run; the largest gap when none does.
    std::pair<int, DesignRun> SmallestDeliveringGap(Design design) const {
        auto runAt = [&](int gap) {
            design.fields[Field::Gap] = HundredthsText(gap, in_.separator);
            return RunOf(design);
        };
        const int largest = LargestGap();
        DesignRun high = runAt(largest);
        if (!Delivers(high) || largest == 0) {
            return {largest, std::move(high)};
        }
        DesignRun low = runAt(0);
        if (Delivers(low)) {
            return {0, std::move(low)};
        }
        // The power only grows with the gap: halve the steps between a gap
        // that falls short and one that delivers.
        int below = 0;
        int above = largest;
        while (above - below > kGapHundredthsStep) {
            const int middle =
                below + (above - below) / kGapHundredthsStep / 2 * kGapHundredthsStep;
            DesignRun run = runAt(middle);
            if (Delivers(run)) {
                above = middle;
                high = std::move(run);
            } else {
                below = middle;
            }
        }
        return {above, std::move(high)};
    }

    // A ring is not cut: it keeps the gap 0. A family core is cut as the E
    // or U pair its gap site makes it.
    int LargestGap() const { return CoreShape::IsCut(core_.kind) ? kLargestGapHundredths : 0; }

    // The flyback's output with the inductance its core really has, the
    // gap's fringing field included.
    std::optional<double> FlybackPower(const DesignRun& run) const {
        if (run.checked.nothingToCheck) {
            return std::nullopt;
        }
        return FlybackDeliveredPower(
            run.checked, RunDesignCheck(run.checked, &catalogue_.material, in_.check).inductance);
    }

    // With the converter in use the flyback feeds every output and its
    // rectifier: Σ (V_k + V_F,k)·I_k.
    double RequiredPower(const DesignRun& run) const {
        if (in_.check.ConverterGiven()) {
            try {
                const ConverterPlan plan = PlanConverter(run.checked, in_.check);
                if (plan.inUse) {
                    return plan.outputPower + plan.rectifierLoss;
                }
            } catch (const CheckInputError&) {
                // The judging of the design says why.
            }
        }
        return run.asRead.VoltOut * in_.check.loadCurrent.value_or(0);
    }

    bool Delivers(const DesignRun& run) const {
        const std::optional<double> power = FlybackPower(run);
        return power && *power >= RequiredPower(run);
    }

    // The choke chooses the gap and the fewest turns that reach the
    // inductance.
    void SearchChoke(std::stop_token stop) {
        Design design = base_;
        if (!catalogue_.workingFluxText.empty()) {
            design.fields[Field::SatInduction] = catalogue_.workingFluxText;
        }
        for (int gap = 0; gap <= LargestGap(); gap += kGapHundredthsStep) {
            if (stop.stop_requested()) {
                return;
            }
            design.fields[Field::Gap] = HundredthsText(gap, in_.separator);
            design.fields[Field::ChokeTurns] = "1";
            const std::optional<double> turns = FewestTurns(design);
            if (turns && *turns > kMostTurns) {
                ++outcome_.candidates;
                ++outcome_.ruledOut[RuledOut::Fit];
                continue;
            }
            if (turns) {
                design.fields[Field::ChokeTurns] = std::to_string(static_cast<long>(*turns));
                const std::optional<double> working = WorkingTurns(design, *turns);
                if (!working) {
                    ++outcome_.candidates;
                    ++outcome_.ruledOut[RuledOut::Fit];
                    continue;
                }
                design.fields[Field::ChokeTurns] = std::to_string(static_cast<long>(*working));
            }
            Judge(design, RunOf(design));
        }
    }

    // The fewest whole turns whose inductance, as the choke's design computes
    // it, is at least the wanted one; none when the core gives no inductance.
    std::optional<double> FewestTurns(const Design& design) const {
        DesignState state;
        RecordedList list;
        const double wanted = *in_.inductanceMh * 1e-3;
        try {
            Calculate(design.fields, RunCores(design), state, list, in_.separator);
            auto inductance = [&state](double turns) {
                DesignState copy = state;
                return GappedInductance(turns, copy);
            };
            const double one = inductance(1);
            if (!(one > 0) || !std::isfinite(one)) {
                return std::nullopt;
            }
            double turns = std::max(1.0, std::ceil(std::sqrt(wanted / one)));
            while (turns <= kMostTurns && inductance(turns) < wanted) {
                ++turns;
            }
            while (turns > 1 && turns <= kMostTurns && inductance(turns - 1) >= wanted) {
                --turns;
            }
            return turns;
        } catch (const std::exception&) {
            return std::nullopt;  // the run of the design says why
        }
    }

    // The fewest whole turns whose inductance where the choke works (at its
    // DC current, with the gap's fringing field and a powder's roll-off)
    // reaches the wanted one, searched from the list's count; none where
    // more turns no longer raise it (a powder driven down its curve). The
    // design's own run says why when it has nothing to check.
    std::optional<double> WorkingTurns(const Design& design, double listTurns) const {
        const DesignRun run = RunOf(design);
        if (run.error || run.checked.nothingToCheck) {
            return listTurns;
        }
        CheckedDesign probe = run.checked;
        const auto atDc = [&](double turns) {
            probe.turns = turns;
            return RunDesignCheck(probe, &catalogue_.material, in_.check).inductanceDc.value_or(0);
        };
        const double wanted = *in_.inductanceMh * 1e-3;
        double turns = listTurns;
        double inductance = atDc(turns);
        if (!(inductance > 0)) {
            return listTurns;
        }
        while (inductance < wanted) {
            // L grows as N² where the permeability holds: a step that far, at
            // least one turn.
            const double next =
                std::max(turns + 1, std::ceil(turns * std::sqrt(wanted / inductance)));
            const double more = atDc(next);
            if (next > kMostTurns || !(more > inductance)) {
                return std::nullopt;
            }
            turns = next;
            inductance = more;
        }
        while (turns > 1 && atDc(turns - 1) >= wanted) {
            --turns;
        }
        return turns;
    }

    static std::optional<std::string> FailureOf(const DesignRun& run, const DesignCheck& check) {
        if (run.error) {
            return run.error;
        }
        return check.nothingToCheck;
    }

    // The design check and the windings a design is judged by: with the
    // converter in use, of the worse end of the input range, each condition
    // judged at both ends (the smaller margin, a winding that fits at both,
    // the larger rise).
    struct Judged {
        DesignCheck check;
        WindingCheck winding;
        std::optional<double> marginWorse;  // the smaller of both ends
        bool outputsReached = true;         // every output at V_in,min
        bool fitsBoth = true;
        std::optional<double> riseOther;  // the other end's rise
        std::optional<std::string> refused;
        std::optional<ConverterPlan> plan;  // in use
        ConverterDesignCheck both;
    };

    Judged CheckOf(const DesignRun& run) {
        Judged j;
        std::optional<ConverterPlan>& plan = j.plan;
        if (in_.check.ConverterGiven() && !run.error && !run.checked.nothingToCheck) {
            try {
                plan = PlanConverter(run.checked, in_.check);
            } catch (const CheckInputError& error) {
                j.refused = error.In(Language::Russian);
                return j;
            }
            if (!plan->inUse) {
                plan.reset();
            }
        }
        if (!plan) {
            j.check = RunDesignCheck(run.checked, &catalogue_.material, in_.check);
            j.marginWorse = j.check.margin;
            return j;
        }
        for (const ConverterOutputPlan& o : plan->outputs) {
            j.outputsReached = j.outputsReached && o.voltageAtMin >= o.voltage * (1 - 1e-9);
        }
        j.both = RunConverterDesignCheck(run.checked, *plan, &catalogue_.material, in_.check);
        j.check = j.both.Worse();
        const std::optional<double>& low = j.both.atMin.margin;
        const std::optional<double>& high = j.both.atMax.margin;
        j.marginWorse = low && high ? std::optional(std::min(*low, *high)) : std::nullopt;
        return j;
    }

    void WindingsOf(const DesignRun& run, Judged& j) {
        if (!j.plan) {
            j.winding = RunWindingCheck(run, j.check, in_.check, catalogue_.wires, &spectra_);
            return;
        }
        const ConverterPlan& plan = *j.plan;
        const ConverterDesignCheck& both = j.both;
        const WindingCheck atMin =
            RunWindingCheckAt(run, DesignAtInput(run.checked, plan, plan.inputMin), both.atMin,
                              in_.check, catalogue_.wires, &spectra_);
        const WindingCheck atMax =
            RunWindingCheckAt(run, DesignAtInput(run.checked, plan, plan.inputMax), both.atMax,
                              in_.check, catalogue_.wires, &spectra_);
        // The row shows the worse end as the converter's check names it; the
        // other is judged too.
        const bool maxWorse = SecondWindingsWorse(atMin, atMax);
        j.winding = maxWorse ? atMax : atMin;
        const WindingCheck& other = maxWorse ? atMin : atMax;
        j.fitsBoth = !other.nothingToCheck && other.fits && other.copperLoss.has_value();
        j.riseOther = other.temperatureRise;
        if (!j.check.coreLoss && j.check.surface && other.copperLoss) {
            j.riseOther = SurfaceRise(*other.copperLoss, j.check.surface);
        }
    }

    void Judge(const Design& design, const DesignRun& run) {
        ++outcome_.candidates;
        Judged judged = CheckOf(run);
        if (judged.refused) {
            RuleOut(RuledOut::Run);
            if (!outcome_.runFailure) {
                outcome_.runFailure = judged.refused;
            }
            return;
        }
        const DesignCheck& check = judged.check;
        const bool choke = in_.mode == WorkMode::Choke;
        // A choke reaches the inductance where it works; without a core
        // shape the list's stands.
        const double reachedL = check.inductanceDc.value_or(run.after.Inductance);
        const bool reached = !choke || reachedL >= *in_.inductanceMh * 1e-3;
        if (const std::optional<std::string> failure = FailureOf(run, check); failure || !reached) {
            RuleOut(RuledOut::Run);
            if (!outcome_.runFailure) {
                outcome_.runFailure = failure;
            }
            return;
        }
        if (run.checked.secondaryFallsShort || !judged.outputsReached) {
            return RuleOut(RuledOut::Voltage);
        }
        if (!judged.marginWorse || *judged.marginWorse < in_.margin) {
            return RuleOut(RuledOut::Saturation);
        }
        if (in_.mode == WorkMode::Flyback && !Delivers(run)) {
            return RuleOut(RuledOut::Power);
        }
        WindingsOf(run, judged);
        const WindingCheck& winding = judged.winding;
        if (winding.nothingToCheck || !winding.fits || !winding.copperLoss || !judged.fitsBoth) {
            return RuleOut(RuledOut::Fit);
        }
        std::optional<double> rise = winding.temperatureRise;
        if (!check.coreLoss && check.surface) {
            // Without the core's loss the copper's rise alone is judged.
            rise = SurfaceRise(*winding.copperLoss, check.surface);
        }
        if (!rise || !(*rise <= in_.maxRise) ||
            (judged.riseOther && !(*judged.riseOther <= in_.maxRise))) {
            return RuleOut(RuledOut::Rise);
        }
        const double loss = winding.totalLoss.value_or(*winding.copperLoss);
        if (outcome_.best && !(loss < outcome_.best->RankingLoss())) {
            return;  // ties keep the lower dB, then the smaller gap: the one found first
        }
        AdvisedCore& row = outcome_.best.emplace();
        row.core = core_.name;
        row.kind = core_.kind;
        row.family = core_.Family();
        row.design = design;
        row.db = run.asRead.SatInduction;
        row.gap = run.asRead.GapCm / 100;
        if (choke) {
            row.turns = run.after.ChokeTurns;
        } else {
            row.turnsPrimary = run.after.TurnsPrimary;
            row.turnsSecondary = run.checked.secondaryTurns;
        }
        row.sections = winding.sections;
        row.fill = winding.fill;
        row.coreLoss = check.coreLoss;
        row.copperLoss = *winding.copperLoss;
        row.totalLoss = winding.totalLoss;
        row.temperatureRise = *rise;
        row.margin = *judged.marginWorse;
        row.volume = check.effectiveVolume.value_or(0);
        row.coreLossUnknown = !check.coreLoss;
    }

    void RuleOut(RuledOut condition) { ++outcome_.ruledOut[condition]; }

    const AdviserInputs& in_;
    const AdviserCatalogue& catalogue_;
    const AdviserCore& core_;
    SpectrumCache& spectra_;
    Design base_;
    CoreOutcome outcome_;
};

}  // namespace

std::string HundredthsText(int hundredths, DecimalSeparator separator) {
    // Exact: a count of hundredths over 100 reads as that decimal.
    return FormatValue(hundredths / 100.0, Decimals(2).Trimmed(), separator);
}

CoreOutcome SearchCore(const AdviserInputs& inputs, const AdviserCatalogue& catalogue,
                       const AdviserCore& core, std::stop_token stop) {
    // The candidates of a search, and of the cores a thread takes in turn,
    // carry a handful of distinct currents: each thread keeps their spectra.
    thread_local SpectrumCache spectra;
    return CoreSearch(inputs, catalogue, core, spectra).Run(std::move(stop));
}

}  // namespace transcalc
