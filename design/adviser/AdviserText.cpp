#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "Adviser.h"
#include "AdviserTable.h"
#include "NumberFormat.h"
#include "Phrases.h"

namespace transcalc {
namespace {

// The inputs and limits named in the words, as the user gives them.
std::string Number(double value, DecimalSeparator separator) {
    return FormatValue(value, kAsTyped, separator);
}

// The three forms a Russian noun takes after a count: 1, 2..4, 5..20.
using NounForms = std::array<std::string_view, 3>;
// Why a forward design is ruled out when no secondary count of the list
// reaches the output voltage.
constexpr std::string_view kSecondaryShort = "напряжение вторички ниже заданного";
constexpr std::string_view kSecondaryShortEnglish =
    "the secondary falls short of the output voltage";

constexpr NounForms kAnyCore = {"сердечник", "сердечника", "сердечников"};

bool SingularCount(std::size_t n) {
    return n % 10 == 1 && n % 100 != 11;
}

std::string_view FormFor(const NounForms& forms, std::size_t n) {
    if (SingularCount(n)) {
        return forms[0];
    }
    const std::size_t last = n % 10;
    const bool teen = n % 100 >= 11 && n % 100 <= 14;
    return !teen && last >= 2 && last <= 4 ? forms[1] : forms[2];
}

// The families searched, each once, in the order of the families' table.
std::vector<CoreFamily> SearchedFamilies(const AdviserInputs& inputs) {
    std::vector<CoreFamily> families;
    for (const FamilyInfo& info : kCoreFamilies) {
        if (std::ranges::find(inputs.families, info.family) != inputs.families.end()) {
            families.push_back(info.family);
        }
    }
    return families;
}

bool OnlyClassic(const std::vector<CoreFamily>& families) {
    return std::ranges::all_of(families,
                               [](CoreFamily family) { return ClassicKindOf(family).has_value(); });
}

// The families' names in a language, e.g. "ETD, PQ, RM".
std::string FamilyNames(const std::vector<CoreFamily>& families, Language language) {
    std::string names;
    for (const CoreFamily family : families) {
        names += (names.empty() ? "" : ", ") + std::string(FamilyName(family, language));
    }
    return names;
}

// "все 433 кольца": the searched cores, by their kind when there is one;
// beyond the classic three by their families' names: "все 33 сердечника PQ",
// "все 79 сердечников (ETD, PQ, RM)".
std::string AllCores(const AdviserInputs& inputs, std::size_t n) {
    const std::vector<CoreFamily> families = SearchedFamilies(inputs);
    const std::string all = "все " + std::to_string(n) + " ";
    if (OnlyClassic(families)) {
        const NounForms& forms =
            families.size() == 1 ? InfoOf(*ClassicKindOf(families.front())).countedNoun : kAnyCore;
        return all + std::string(FormFor(forms, n));
    }
    const std::string names = FamilyNames(families, Language::Russian);
    return all + std::string(FormFor(kAnyCore, n)) +
           (families.size() == 1 ? " " + names : " (" + names + ")");
}

// Whether the windings' words point to the roomier Ш cores: where the
// search held to rings and П cores.
bool SuggestsECores(const AdviserInputs& inputs) {
    const std::vector<CoreFamily> families = SearchedFamilies(inputs);
    return OnlyClassic(families) && std::ranges::find(families, CoreFamily::E) == families.end();
}

// The same in English: "all 433 rings", or "the only ring" searched; "all 33
// PQ cores", "all 79 cores (ETD, PQ, RM)".
std::string AllCoresEnglish(const AdviserInputs& inputs, std::size_t n) {
    const std::vector<CoreFamily> families = SearchedFamilies(inputs);
    std::string noun = "core";
    std::string after;
    if (families.size() == 1) {
        const std::optional<CoreKind> kind = ClassicKindOf(families.front());
        noun = kind ? std::string(InfoOf(*kind).englishNoun)
                    : std::string(FamilyName(families.front(), Language::English)) + " core";
    } else if (!OnlyClassic(families)) {
        after = " (" + FamilyNames(families, Language::English) + ")";
    }
    return n == 1 ? "the only " + noun + after
                  : "all " + std::to_string(n) + " " + noun + "s" + after;
}

std::string AllRuledOutEnglish(RuledOut condition, const AdviserInputs& in,
                               const AdviserResult& result) {
    const DecimalSeparator sep = in.separator;
    const std::size_t n = result.coresSearched;
    const std::string temperature = Number(in.check.temperature, sep) + " °C";
    const std::string verbEnding = n == 1 ? "s" : "";
    switch (condition) {
        case RuledOut::Run:
            return "the calculation fails for every core: " +
                   std::string(TranslatedText(result.runFailure.value_or(""), Language::English));
        case RuledOut::Voltage:
            return std::string(kSecondaryShortEnglish) + " on every core";
        case RuledOut::Saturation:
            if (in.mode == WorkMode::Choke) {
                const double peak =
                    in.check.dcCurrent.value_or(0) + in.check.ripple.value_or(0) / 2;
                return AllCoresEnglish(in, n) + " saturate" + verbEnding + " at " + temperature +
                       " at a current of " + Number(peak, sep) +
                       " A: choose a material of lower permeability";
            }
            return AllCoresEnglish(in, n) + " saturate" + verbEnding + " at " + temperature +
                   " even at dB = " + Number(kAdviserLowestDb, sep) + " T";
        case RuledOut::Power:
            return "no core delivers the load's power even with a gap of " +
                   Number(kAdviserLargestGap, sep) + " mm: lengthen the pulse";
        case RuledOut::Fit:
            return std::string("the windings fit in no core: raise the current density") +
                   (SuggestsECores(in) ? " or choose E cores" : "");
        case RuledOut::Rise:
            return AllCoresEnglish(in, n) + " heat" + verbEnding + " up by more than " +
                   Number(in.maxRise, sep) + " K: allow a higher rise or lower the current density";
    }
    return {};
}

std::string ObstacleEnglish(RuledOut condition, const AdviserInputs& in,
                            const AdviserResult& result) {
    const DecimalSeparator sep = in.separator;
    switch (condition) {
        case RuledOut::Run:
            return "a calculation error (" +
                   std::string(TranslatedText(result.runFailure.value_or(""), Language::English)) +
                   ")";
        case RuledOut::Voltage:
            return std::string(kSecondaryShortEnglish);
        case RuledOut::Saturation:
            return "saturation at " + Number(in.check.temperature, sep) + " °C";
        case RuledOut::Power:
            return "too little power even with a gap of " + Number(kAdviserLargestGap, sep) + " mm";
        case RuledOut::Fit:
            return "too little room for the windings";
        case RuledOut::Rise:
            return "a rise above " + Number(in.maxRise, sep) + " K";
    }
    return {};
}

std::string AllRuledOut(RuledOut condition, const AdviserInputs& in, const AdviserResult& result) {
    const DecimalSeparator sep = in.separator;
    const std::size_t n = result.coresSearched;
    const std::string temperature = Number(in.check.temperature, sep) + " °C";
    switch (condition) {
        case RuledOut::Run:
            return "расчет не выполняется ни для одного сердечника: " +
                   result.runFailure.value_or("");
        case RuledOut::Voltage:
            return std::string(kSecondaryShort) + " на каждом сердечнике";
        case RuledOut::Saturation:
            if (in.mode == WorkMode::Choke) {
                const double peak =
                    in.check.dcCurrent.value_or(0) + in.check.ripple.value_or(0) / 2;
                return AllCores(in, n) + " насыща" + (SingularCount(n) ? "ется" : "ются") +
                       " при " + temperature + " при токе " + Number(peak, sep) +
                       " А: выберите материал с меньшей проницаемостью";
            }
            return AllCores(in, n) + " насыща" + (SingularCount(n) ? "ется" : "ются") + " при " +
                   temperature + " уже при dB = " + Number(kAdviserLowestDb, sep) + " Тл";
        case RuledOut::Power:
            return "ни один сердечник не отдает мощность нагрузки даже с зазором " +
                   Number(kAdviserLargestGap, sep) + " мм: увеличьте длительность импульса";
        case RuledOut::Fit:
            return std::string(
                       "обмотки не помещаются ни в один сердечник: повысьте плотность "
                       "тока") +
                   (SuggestsECores(in) ? " или выберите Ш-сердечники" : "");
        case RuledOut::Rise:
            return AllCores(in, n) + " нагрева" + (SingularCount(n) ? "ется" : "ются") +
                   " больше чем на " + Number(in.maxRise, sep) +
                   " К: допустите больший нагрев или снизьте плотность тока";
    }
    return {};
}

// What most often stood in the way, as a phrase after "чаще всего мешает".
std::string Obstacle(RuledOut condition, const AdviserInputs& in, const AdviserResult& result) {
    const DecimalSeparator sep = in.separator;
    switch (condition) {
        case RuledOut::Run:
            return "ошибка расчета (" + result.runFailure.value_or("") + ")";
        case RuledOut::Voltage:
            return std::string(kSecondaryShort);
        case RuledOut::Saturation:
            return "насыщение при " + Number(in.check.temperature, sep) + " °C";
        case RuledOut::Power:
            return "нехватка мощности даже с зазором " + Number(kAdviserLargestGap, sep) + " мм";
        case RuledOut::Fit:
            return "нехватка места для обмоток";
        case RuledOut::Rise:
            return "нагрев больше " + Number(in.maxRise, sep) + " К";
    }
    return {};
}

}  // namespace

std::string NothingFitsText(const AdviserInputs& inputs, const AdviserResult& result,
                            Language language) {
    const bool english = language == Language::English;
    if (result.cancelled || !result.rows.empty()) {
        return {};
    }
    if (result.coresSearched == 0) {
        return english ? "the catalogue has no cores of the chosen kinds"
                       : "в каталоге нет сердечников выбранных видов";
    }
    std::size_t most = 0;
    for (std::size_t c = 1; c < kRuledOutCount; ++c) {
        if (result.ruledOut.counts[c] > result.ruledOut.counts[most]) {
            most = c;
        }
    }
    const auto condition = static_cast<RuledOut>(most);
    if (result.coresRuledOut[condition] == result.coresSearched) {
        return english ? AllRuledOutEnglish(condition, inputs, result)
                       : AllRuledOut(condition, inputs, result);
    }
    if (english) {
        return "no core fits; most often ruled out by " +
               ObstacleEnglish(condition, inputs, result) + ": " +
               std::to_string(result.ruledOut[condition]) + " of " +
               std::to_string(result.candidates) + " candidates";
    }
    return "ни один сердечник не подходит; чаще всего мешает " +
           Obstacle(condition, inputs, result) + ": " + std::to_string(result.ruledOut[condition]) +
           " из " + std::to_string(result.candidates) + " вариантов";
}

std::string WireSummary(const AdvisedCore& row, DecimalSeparator separator) {
    std::string text;
    for (std::size_t i = 0; i < row.sections.size();) {
        const WindingSection& s = row.sections[i];
        std::string names = s.name;
        std::size_t j = i + 1;
        for (; j < row.sections.size() && row.sections[j].strands == s.strands &&
               row.sections[j].conductorDiameter == s.conductorDiameter;
             ++j) {
            names += ", " + row.sections[j].name;
        }
        text += text.empty() ? "" : "; ";
        text += names + ": ";
        if (s.strands > 1) {
            text += std::to_string(s.strands) + "\u00d7";
        }
        text += FormatValue(s.conductorDiameter * 1000, ColumnOf(AdviserColumn::Wire).format,
                            separator);
        i = j;
    }
    return text;
}

}  // namespace transcalc
