#include "Adviser.h"

#include <algorithm>
#include <mutex>
#include <utility>

#include "Advise.h"
#include "AdviserPool.h"
#include "AdviserSearch.h"

namespace transcalc {

std::string_view RuledOutKey(RuledOut condition) {
    switch (condition) {
        case RuledOut::Run:
            return "run";
        case RuledOut::Voltage:
            return "voltage";
        case RuledOut::Saturation:
            return "saturation";
        case RuledOut::Power:
            return "power";
        case RuledOut::Fit:
            return "fit";
        case RuledOut::Rise:
            return "rise";
    }
    return {};
}

void ValidateAdviserInputs(const AdviserInputs& in) {
    if (in.kinds.empty()) {
        throw AdviserInputError("no core kind to search");
    }
    if (!(in.margin >= 0 && in.margin <= kMaxAdviserMargin)) {
        throw AdviserInputError("the saturation margin must be at least 0 % and at most 99 %");
    }
    if (!(in.maxRise > 0 && in.maxRise <= kMaxAdviserRise)) {
        throw AdviserInputError(
            "the largest temperature rise must be a number above 0 K and at most 1000 K");
    }
    if (in.limit < 1 || in.limit > kMaxAdviserLimit) {
        throw AdviserInputError("the number of rows must be at least 1 and at most 100000");
    }
    try {
        ValidateCheckInputs(in.check);
    } catch (const CheckInputError& error) {
        throw AdviserInputError(error.what());
    }
    if (in.mode == WorkMode::Choke) {
        if (!in.inductanceMh) {
            throw AdviserInputError("the choke needs the inductance wanted");
        }
        if (!(*in.inductanceMh > 0 && *in.inductanceMh <= kMaxAdviserInductanceMh)) {
            throw AdviserInputError(
                "the inductance must be a number above 0 mH and at most 1000000 mH");
        }
        if (!in.check.dcCurrent) {
            throw AdviserInputError("the choke needs its DC current");
        }
    } else if (!in.check.loadCurrent) {
        throw AdviserInputError("the converter needs its load current");
    }
}

namespace {

// The outcomes of all cores, in catalogue order, however the threads took them.
std::vector<CoreOutcome> SearchAll(AdviserPool& pool, const AdviserInputs& inputs,
                                   const AdviserCatalogue& catalogue,
                                   const AdviserProgress& progress, std::stop_token stop) {
    const std::size_t total = catalogue.cores.size();
    std::vector<CoreOutcome> outcomes(total);
    std::size_t done = 0;
    std::mutex reporting;
    pool.ForEach(total, [&](std::size_t i) {
        if (stop.stop_requested()) {
            return;
        }
        outcomes[i] = SearchCore(inputs, catalogue, catalogue.cores[i], stop);
        const std::lock_guard lock(reporting);
        ++done;
        if (progress) {
            progress(done, total);
        }
    });
    return outcomes;
}

// The one condition that ruled out every design of a core, if one did.
std::optional<RuledOut> SoleCondition(const CoreOutcome& outcome) {
    std::optional<RuledOut> sole;
    for (std::size_t c = 0; c < kRuledOutCount; ++c) {
        if (outcome.ruledOut.counts[c] == 0) {
            continue;
        }
        if (sole) {
            return std::nullopt;
        }
        sole = static_cast<RuledOut>(c);
    }
    return sole;
}

}  // namespace

AdviserResult Advise(AdviserPool& pool, const AdviserInputs& inputs,
                     const AdviserCatalogue& catalogue, const AdviserProgress& progress,
                     std::stop_token stop) {
    ValidateAdviserInputs(inputs);
    std::vector<CoreOutcome> outcomes = SearchAll(pool, inputs, catalogue, progress, stop);
    AdviserResult result;
    if (stop.stop_requested()) {
        result.cancelled = true;
        return result;
    }
    result.coresSearched = outcomes.size();
    std::vector<std::pair<std::size_t, AdvisedCore*>> kept;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        CoreOutcome& outcome = outcomes[i];
        result.candidates += outcome.candidates;
        for (std::size_t c = 0; c < kRuledOutCount; ++c) {
            result.ruledOut.counts[c] += outcome.ruledOut.counts[c];
        }
        if (!result.runFailure) {
            result.runFailure = outcome.runFailure;
        }
        if (outcome.best) {
            kept.emplace_back(i, &*outcome.best);
        } else if (const std::optional<RuledOut> sole = SoleCondition(outcome)) {
            ++result.coresRuledOut[*sole];
        }
    }
    std::ranges::sort(kept, [](const auto& a, const auto& b) {
        const double av = a.second->volume, bv = b.second->volume;
        if (av != bv) {
            return av < bv;
        }
        const double al = a.second->RankingLoss(), bl = b.second->RankingLoss();
        if (al != bl) {
            return al < bl;
        }
        return a.first < b.first;
    });
    result.feasibleCores = kept.size();
    for (std::size_t i = 0; i < kept.size() && i < inputs.limit; ++i) {
        result.rows.push_back(std::move(*kept[i].second));
    }
    return result;
}

}  // namespace transcalc
