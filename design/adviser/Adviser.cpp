#include "Adviser.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <mutex>
#include <utility>

#include "Advise.h"
#include "AdviserPool.h"
#include "AdviserSearch.h"
#include "Converter.h"

namespace transcalc {

DimensionTexts::DimensionTexts(std::string_view d1, std::string_view d2, std::string_view d3,
                               std::string_view d4) {
    texts_.reserve(d1.size() + d2.size() + d3.size() + d4.size());
    const std::string_view texts[] = {d1, d2, d3};
    for (std::size_t i = 0; i < ends_.size(); ++i) {
        texts_ += texts[i];
        ends_[i] = static_cast<std::uint32_t>(texts_.size());
    }
    texts_ += d4;
}

std::string_view DimensionTexts::operator[](std::size_t index) const {
    // Bounded by the text, which a move may have taken away.
    const std::size_t size = texts_.size();
    const std::size_t begin = std::min<std::size_t>(index == 0 ? 0 : ends_[index - 1], size);
    const std::size_t end = std::min<std::size_t>(index < ends_.size() ? ends_[index] : size, size);
    return std::string_view(texts_).substr(begin, end - begin);
}

bool DimensionTexts::operator==(const std::array<std::string, 4>& texts) const {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if ((*this)[i] != texts[i]) {
            return false;
        }
    }
    return true;
}

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
    if (in.families.empty()) {
        throw AdviserInputError(
            Refusal{"не выбран ни один вид сердечника", "no core kind to search"});
    }
    if (!(in.margin >= 0 && in.margin <= kMaxAdviserMargin)) {
        throw AdviserInputError(
            Refusal{"запас до насыщения должен быть не меньше 0 % и не больше 99 %",
                    "the saturation margin must be at least 0 % and at most 99 %"});
    }
    if (!(in.maxRise > 0 && in.maxRise <= kMaxAdviserRise)) {
        throw AdviserInputError(
            Refusal{"наибольший перегрев должен быть числом больше 0 К и не больше 1000 К",
                    "the largest temperature rise must be a number above 0 K and at most 1000 K"});
    }
    if (in.limit < 1 || in.limit > kMaxAdviserLimit) {
        throw AdviserInputError(
            Refusal{"число строк должно быть не меньше 1 и не больше 100000",
                    "the number of rows must be at least 1 and at most 100000"});
    }
    try {
        ValidateCheckInputs(in.check);
    } catch (const CheckInputError& error) {
        throw AdviserInputError(error.refusal());
    }
    if (in.mode != WorkMode::Choke && (in.check.inputMin || in.check.inputMax)) {
        // Every design of the search keeps VoltIn: outside the range none is
        // judged.
        // A VoltIn that is no number is said by each run.
        CheckedDesign nominal;
        bool number = true;
        try {
            nominal.voltIn = ParseNumber(in.fields[Field::VoltageIn], in.separator);
        } catch (const std::exception&) {
            number = false;
        }
        if (number && !InputWithinRange(nominal, in.check)) {
            throw AdviserInputError(InputOutsideRange());
        }
    }
    if (in.mode == WorkMode::Choke) {
        if (!in.inductanceMh) {
            throw AdviserInputError(Refusal{"для дросселя нужна желаемая индуктивность",
                                            "the choke needs the inductance wanted"});
        }
        if (!(*in.inductanceMh > 0 && *in.inductanceMh <= kMaxAdviserInductanceMh)) {
            throw AdviserInputError(
                Refusal{"индуктивность должна быть числом больше 0 мГн и не больше 1000000 мГн",
                        "the inductance must be a number above 0 mH and at most 1000000 mH"});
        }
        if (!in.check.dcCurrent) {
            throw AdviserInputError(
                Refusal{"для дросселя нужен его постоянный ток", "the choke needs its DC current"});
        }
    } else if (!in.check.loadCurrent) {
        throw AdviserInputError(Refusal{"для преобразователя нужен ток нагрузки",
                                        "the converter needs its load current"});
    }
}

namespace {

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

// A feasible core's row with its place in the catalogue.
using Kept = std::pair<std::size_t, AdvisedCore>;

// The table's order: by V_e, then by loss, then as the catalogue lists them.
bool ListedBefore(const Kept& a, const Kept& b) {
    const double av = a.second.volume, bv = b.second.volume;
    if (av != bv) {
        return av < bv;
    }
    const double al = a.second.RankingLoss(), bl = b.second.RankingLoss();
    if (al != bl) {
        return al < bl;
    }
    return a.first < b.first;
}

// The cores' outcomes folded as the threads finish them: the counts, and
// only the rows the table can show, so that memory follows the limit and
// not the catalogue. The order of the rows does not depend on the threads.
class Folding {
public:
    Folding(AdviserResult& result, std::size_t limit) : result_(result), limit_(limit) {}

    void Add(std::size_t index, CoreOutcome&& outcome) {
        result_.candidates += outcome.candidates;
        for (std::size_t c = 0; c < kRuledOutCount; ++c) {
            result_.ruledOut.counts[c] += outcome.ruledOut.counts[c];
        }
        if (outcome.runFailure && index < failureIndex_) {
            failureIndex_ = index;
            result_.runFailure = std::move(outcome.runFailure);
        }
        if (outcome.best) {
            ++result_.feasibleCores;
            Keep({index, std::move(*outcome.best)});
        } else if (const std::optional<RuledOut> sole = SoleCondition(outcome)) {
            ++result_.coresRuledOut[*sole];
        }
    }

    // The kept rows in the table's order.
    void Finish() {
        std::ranges::sort_heap(kept_, ListedBefore);
        for (Kept& row : kept_) {
            result_.rows.push_back(std::move(row.second));
        }
    }

private:
    // A heap whose top is the last row shown: a better one takes its place.
    void Keep(Kept row) {
        if (limit_ == 0) {
            return;
        }
        if (kept_.size() == limit_) {
            if (!ListedBefore(row, kept_.front())) {
                return;
            }
            std::ranges::pop_heap(kept_, ListedBefore);
            kept_.pop_back();
        }
        kept_.push_back(std::move(row));
        std::ranges::push_heap(kept_, ListedBefore);
    }

    AdviserResult& result_;
    std::size_t limit_;
    std::vector<Kept> kept_;
    std::size_t failureIndex_ = SIZE_MAX;
};

}  // namespace

AdviserResult Advise(AdviserPool& pool, const AdviserInputs& inputs,
                     const AdviserCatalogue& catalogue, const AdviserProgress& progress,
                     std::stop_token stop) {
    ValidateAdviserInputs(inputs);
    const std::size_t total = catalogue.cores.size();
    AdviserResult result;
    Folding folding(result, inputs.limit);
    std::size_t done = 0;
    std::mutex folded;
    pool.ForEach(total, [&](std::size_t i) {
        if (stop.stop_requested()) {
            return;
        }
        CoreOutcome outcome = SearchCore(inputs, catalogue, catalogue.cores[i], stop);
        const std::lock_guard lock(folded);
        folding.Add(i, std::move(outcome));
        ++done;
        if (progress) {
            progress(done, total);
        }
    });
    if (stop.stop_requested()) {
        AdviserResult cancelled;
        cancelled.cancelled = true;
        return cancelled;
    }
    result.coresSearched = total;
    folding.Finish();
    return result;
}

}  // namespace transcalc
