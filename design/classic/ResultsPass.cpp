#include "ResultsPass.h"

#include <string>

#include "Choke.h"
#include "Flyback.h"
#include "Forward.h"

namespace transcalc {
namespace {

BranchOutcome DesignForMode(DesignState& s, ResultWriter& out) {
    if (s.Mode == kModeChoke) {
        return DesignChoke(s, out);
    }
    if (s.Mode == kModeFlyback) {
        return DesignFlyback(s, out);
    }
    if (s.Mode == kModePushPull) {
        return DesignPushPull(s, out);
    }
    if (s.Mode == kModeSingleEnded) {
        return DesignSingleEnded(s, out);
    }
    // No mode, or one the designs do not know: Calculate has already asked for it.
    return BranchOutcome::Completed;
}

// The shared checks, then the design of the mode.
BranchOutcome Design(DesignState& s, ResultWriter& out) {
    if (s.SatInduction == 0) {
        out.Text(Phrase::NoSatInduction);
        return BranchOutcome::Refused;
    }
    if (s.PathLength == 0) {
        return BranchOutcome::Refused;
    }
    return DesignForMode(s, out);
}

void AppendResults(const CorePictures& cores, DesignState& s, ResultWriter& out) {
    for (const CoreKindInfo& info : kCoreKinds) {
        if (cores.Shows(info.kind)) {
            out.Text(CoreHeading(info.kind, out.language()));
        }
    }
    if (cores.named) {
        out.Text(std::string(out.Say(Phrase::CoreNamed)) + cores.named->name);
    }
    if (Design(s, out) == BranchOutcome::Refused) {
        out.Text(Phrase::NotAllData);
        out.SetColour(ListColour::Red);
    }
    if (cores.ring) {
        out.Text(" ");
        // A ring core is normally ungapped: ask whether the entered gap is real.
        if (s.GapCm != 0) {
            out.Number(Phrase::RingGapWarning, Extended(s.GapCm) * 10, Phrase::UnitMmAsked);
        }
    }
}

}  // namespace

void RunResultsPass(const CorePictures& cores, DesignState& state, ResultsList& list,
                    DecimalSeparator separator, Language language) {
    ResultWriter out(list, separator, language);
    try {
        AppendResults(cores, state, out);
    } catch (...) {
        state.ResultsPending = false;
        throw;
    }
    state.ResultsPending = false;
}

}  // namespace transcalc
