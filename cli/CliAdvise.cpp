#include "CliAdvise.h"

#include <unistd.h>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "Advise.h"
#include "Adviser.h"
#include "AdviserPool.h"
#include "AdviserTable.h"
#include "CliOptions.h"
#include "CliReport.h"
#include "OptionParser.h"
#include "OptionScope.h"

namespace transcalc::cli {

const char* const kAdviseUsage =
    R"(  core adviser (--advise): every catalogue core of the chosen families tried on a grid
  of dB, gaps and turns; the smallest that work, with the design that works best on each
  --advise          search instead of one Calculate; needs --mode and --material, the
                    mode's fields (--freq or --pulse, --vin, --vout, --overshoot), and
                    --load-current (forward modes, flyback) or --inductance and
                    --current (choke); --core FAMILY (repeated) searches those
                    families together (default ring, e and u), with a column
                    naming each row's family beyond those three;
                    --temperature, --current-density, --ripple and --check-freq as
                    for the check; the transformers also --output, --drop, --drop-n,
                    --vin-min and --vin-max, a design kept only where every output
                    reaches its voltage at --vin-min and it holds at both ends of the
                    range. It chooses the core, --mu, --db, the turns and (flyback,
                    choke) the gap itself, so these options, --core-name and those the
                    mode does not read are refused
  --margin PERCENT  the least saturation margin at the temperature (default 20): 0 to 99
  --max-rise K      the largest temperature rise of core and copper (default 40):
                    above 0, at most 1000
  --inductance MH   choke: the inductance wanted, above 0, at most 1000000
  --limit N         the most cores listed (default 20): 1 to 100000
  --margin, --max-rise, --inductance and --limit apply to --advise only
)";

namespace {

std::size_t WholeOption(std::string_view name, const std::string& text) {
    std::size_t number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end) {
        throw UsageError("--" + std::string(name) + " takes a whole number, not '" + text + "'");
    }
    return number;
}

std::string_view KindName(CoreKind kind) {
    return InfoOf(kind).cliName;
}

// The plain table's texts in one language.
struct AdviceTexts {
    std::string_view unknownCoreLoss;
    std::string_view fitBefore, fitOf, fitAfter;  // "Подходят 3 из 94 сердечников"
    std::array<std::string_view, kRuledOutCount> conditions;  // in RuledOut's order
    std::string_view ruledOut, ruledOutOf;
};

constexpr AdviceTexts kRussianTexts = {
    "* потери в сердечнике неизвестны: нагрев только от меди\n",
    "Подходят ",
    " из ",
    " сердечников\n",
    {"расчет", "напряжение", "насыщение", "мощность", "обмотки", "нагрев"},
    "Отсеяно вариантов: ",
    " из ",
};

constexpr AdviceTexts kEnglishTexts = {
    "* core loss unknown: the rise is the copper's alone\n",
    "",
    " of ",
    " cores fit\n",
    {"calculation", "voltage", "saturation", "power", "windings", "rise"},
    "Candidates ruled out: ",
    " of ",
};

// Characters, not bytes: the table's texts are UTF-8.
std::size_t Width(std::string_view text) {
    std::size_t width = 0;
    for (const char c : text) {
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return width;
}

std::string Table(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], Width(row[c]));
        }
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) {
                line += std::string(widths[c] - Width(row[c]) + 2, ' ');
            }
        }
        text += line + "\n";
    }
    return text;
}

std::string PlainText(const AdviserInputs& inputs, const AdviserResult& result, Language language) {
    const AdviceTexts& say = language == Language::English ? kEnglishTexts : kRussianTexts;
    std::string text;
    if (result.rows.empty()) {
        text = NothingFitsText(inputs, result, language) + "\n";
    } else {
        const bool families = AdviserShowsFamilies(inputs);
        const auto shown = [families](std::size_t column) {
            return families || column != static_cast<std::size_t>(AdviserColumn::Family);
        };
        std::vector<std::vector<std::string>> rows(1);
        for (std::size_t c = 0; c < kAdviserColumnCount; ++c) {
            if (shown(c)) {
                rows.front().push_back(ColumnCaption(kAdviserColumns[c], language));
            }
        }
        bool unknown = false;
        for (const AdvisedCore& row : result.rows) {
            unknown = unknown || row.coreLossUnknown;
            auto cells = AdviserCells(row, inputs.separator, language);
            // The footnote's mark: this rise is the copper's alone.
            if (row.coreLossUnknown) {
                cells[static_cast<std::size_t>(AdviserColumn::Rise)] += "*";
            }
            rows.emplace_back();
            for (std::size_t c = 0; c < kAdviserColumnCount; ++c) {
                if (shown(c)) {
                    rows.back().push_back(std::move(cells[c]));
                }
            }
        }
        text = Table(rows);
        if (unknown) {
            text += say.unknownCoreLoss;
        }
        text += std::string(say.fitBefore) + std::to_string(result.feasibleCores) +
                std::string(say.fitOf) + std::to_string(result.coresSearched) +
                std::string(say.fitAfter);
    }
    text += say.ruledOut;
    for (std::size_t c = 0; c < kRuledOutCount; ++c) {
        text += std::string(c == 0 ? "" : ", ") + std::string(say.conditions[c]) + " " +
                std::to_string(result.ruledOut.counts[c]);
    }
    return text + std::string(say.ruledOutOf) + std::to_string(result.candidates) + "\n";
}

using Json = nlohmann::ordered_json;

Json Optional(const std::optional<double>& value) {
    return value ? Json(*value) : Json();
}

Json AdviceJson(const AdviserInputs& inputs, const AdviserResult& result, Language language) {
    Json advice = Json::array();
    for (const AdvisedCore& row : result.rows) {
        Json item = Json::object();
        item["core"] = row.core;
        item["kind"] = KindName(row.kind);
        if (AdviserShowsFamilies(inputs)) {
            item["family"] = InfoOf(row.family).key;
        }
        item["db"] = row.db;
        item["gap"] = row.gap;
        item["turns_primary"] = Optional(row.turnsPrimary);
        item["turns_secondary"] = Optional(row.turnsSecondary);
        item["turns"] = Optional(row.turns);
        item["margin"] = row.margin;
        item["fill"] = row.fill;
        item["core_loss"] = Optional(row.coreLoss);
        item["copper_loss"] = row.copperLoss;
        item["total_loss"] = Optional(row.totalLoss);
        item["temperature_rise"] = row.temperatureRise;
        item["volume"] = row.volume;
        advice.push_back(std::move(item));
    }
    Json ruledOut = Json::object();
    for (std::size_t c = 0; c < kRuledOutCount; ++c) {
        ruledOut[std::string(RuledOutKey(static_cast<RuledOut>(c)))] = result.ruledOut.counts[c];
    }
    Json json = Json::object();
    json["advice"] = std::move(advice);
    json["ruled_out"] = std::move(ruledOut);
    const std::string nothing = NothingFitsText(inputs, result, language);
    json["nothing_fits"] = nothing.empty() ? Json() : Json(nothing);
    return json;
}

// The families --core names, each once, in the families' order; else the
// core a --design file shows; else the classic three.
std::vector<CoreFamily> SearchedFamilies(const CliOptions& options) {
    std::vector<CoreFamily> named = options.families;
    if (named.empty()) {
        for (const CoreKindInfo& info : kCoreKinds) {
            if (options.cores.Shows(info.kind)) {
                named.push_back(FamilyOfKind(info.kind));
            }
        }
        if (options.catalogue.familyCore) {
            named.push_back(options.catalogue.familyCore->core.family);
        }
    }
    std::vector<CoreFamily> families;
    for (const FamilyInfo& info : kCoreFamilies) {
        const bool classic = ClassicKindOf(info.family).has_value();
        if (std::ranges::find(named, info.family) != named.end() || (named.empty() && classic)) {
            families.push_back(info.family);
        }
    }
    return families;
}

}  // namespace

void AddAdviseOptions(OptionList& list, AdviseOptions& advise) {
    list.AddFlag("--advise", advise.run);
    list.AddText("--margin", [&advise](const std::string& text) {
        advise.marginPercent = NumberOption("margin", text);
    });
    list.AddText("--max-rise", [&advise](const std::string& text) {
        advise.maxRise = NumberOption("max-rise", text);
    });
    list.AddText("--inductance", [&advise](const std::string& text) {
        advise.inductanceMh = NumberOption("inductance", text);
    });
    list.AddText("--limit",
                 [&advise](const std::string& text) { advise.limit = WholeOption("limit", text); });
}

AdviserInputs AdviserInputsOf(const CliOptions& options) {
    AdviserInputs inputs;
    const std::optional<WorkMode> mode = ModeOfText(options.mode);
    if (!mode) {
        throw UsageError("--advise needs --mode choke, flyback, single-ended or push-pull");
    }
    inputs.mode = *mode;
    inputs.material = options.catalogue.materialName.value_or(options.design.document.material);
    if (inputs.material.empty()) {
        throw UsageError("--advise needs --material NAME");
    }
    inputs.fields = options.fields;
    inputs.separator = options.separator;
    inputs.families = SearchedFamilies(options);
    inputs.check = InputsOf(options.check, options.language);
    const AdviseOptions& advise = options.advise;
    if (advise.marginPercent) {
        inputs.margin = *advise.marginPercent / 100;
    }
    inputs.maxRise = advise.maxRise.value_or(inputs.maxRise);
    inputs.inductanceMh = advise.inductanceMh;
    inputs.limit = advise.limit.value_or(inputs.limit);
    try {
        ValidateAdviserInputs(inputs);
    } catch (const AdviserInputError& error) {
        throw UsageError(error.In(options.language));
    }
    CheckSearchFields(options, inputs.mode);
    return inputs;
}

// How far a search has come, on one line of a terminal's standard error
// that the next count overwrites and the end clears; nothing when standard
// error is a file or a pipe, whose reader wants no carriage returns.
AdviserProgress TerminalProgress(Language language) {
    if (isatty(STDERR_FILENO) == 0) {
        return {};
    }
    return [language, shown = std::size_t{0}](std::size_t done, std::size_t total) mutable {
        // Every hundredth of the way is plenty for the eye.
        if (done != total && (done - shown) * 100 < total) {
            return;
        }
        shown = done;
        const char* format = language == Language::English ? "\rSearching: %zu of %zu cores"
                                                           : "\rПодбор: %zu из %zu сердечников";
        std::fprintf(stderr, format, done, total);
        if (done == total) {
            std::fputs("\r\033[K", stderr);
        }
        std::fflush(stderr);
    };
}

int RunAdvise(const CliOptions& options) {
    const AdviserInputs inputs = AdviserInputsOf(options);
    // With this thread, one for each core of the machine.
    AdviserPool pool(AdviserPool::MachineThreads() - 1);
    const AdviserResult result = Advise(pool, inputs, SearchedCatalogue(inputs, options.language),
                                        TerminalProgress(options.language));
    if (options.json) {
        std::fputs(JsonLine(AdviceJson(inputs, result, options.language)).c_str(), stdout);
    } else {
        std::fputs(PlainText(inputs, result, options.language).c_str(), stdout);
    }
    std::fflush(stdout);
    return kExitNormal;
}

}  // namespace transcalc::cli
