#include "OptionScope.h"

#include <exception>
#include <iterator>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "CliOptions.h"
#include "NumberText.h"
#include "OptionParser.h"

namespace transcalc::cli {
namespace {

// What the command line does in one run.
enum Action : unsigned {
    kCalculate = 1,  // one Calculate, the default
    kList = 2,       // --list
    kAdvise = 4,     // --advise
};
constexpr unsigned kEvery = kCalculate | kList | kAdvise;

// Options with the same scope, each under all its names.
struct Scope {
    std::string_view names;
    unsigned actions;
    // A search takes the option only in the modes that read it (kSearchModes).
    bool byMode = false;
    // Why a search takes no such option, when that is not plain.
    std::string_view whyNotSearched = {};
};

constexpr Scope kScopes[] = {
    {"--help,--json,--core", kEvery},
    {"--mode,--separator,--lang,--material,--design,--temperature,--current-density",
     kCalculate | kAdvise},
    {"--gap,--freq,--pulse,--vin,--vout,--overshoot", kCalculate | kAdvise, true},
    {"--current,--ripple,--check-freq,--load-current", kCalculate | kAdvise, true},
    {"--d1,--h1,--d2,--h2,--h,--l1,--l2", kCalculate, false,
     "--advise takes the dimensions from the catalogue's cores"},
    {"--mu", kCalculate, false, "--advise takes the permeability from the material"},
    {"--db", kCalculate, false, "--advise chooses dB itself"},
    {"--turns", kCalculate, false, "--advise chooses the turns itself"},
    {"--core-name", kCalculate, false,
     "--advise searches every core of the kinds that --core gives"},
    {"--check", kCalculate, false, "--advise checks every design it tries"},
    {"--output,--drop,--drop-n,--vin-min,--vin-max", kCalculate | kAdvise, true},
    {"--save-design,--report", kCalculate, false, "--advise saves no design and writes no report"},
    {"--list", kList},
    {"--advise,--margin,--max-rise,--limit", kAdvise},
    {"--inductance", kAdvise, true},
};

// A field a search cannot do without, and the option that fills it.
struct Need {
    Field field;
    std::string_view option;
};
constexpr Need kFlybackNeeds[] = {{Field::FrequencyOrPulse, "--pulse"},
                                  {Field::VoltageIn, "--vin"},
                                  {Field::VoltageOut, "--vout"},
                                  {Field::Overshoot, "--overshoot"}};
constexpr Need kForwardNeeds[] = {{Field::FrequencyOrPulse, "--freq"},
                                  {Field::VoltageIn, "--vin"},
                                  {Field::VoltageOut, "--vout"}};

// The options of a search that depend on its mode, in the order of WorkMode.
// The flyback and the choke choose the gap; the choke reads no converter
// field nor the converter's outputs and input range, the transformers no
// choke current.
struct SearchMode {
    WorkMode mode;
    std::string_view reads;  // of the options marked byMode, under all their names
    std::span<const Need> needs;
};
constexpr SearchMode kSearchModes[] = {
    {WorkMode::Choke, "--inductance,--current,--ripple,--check-freq", {}},
    {WorkMode::Flyback,
     "--freq,--pulse,--vin,--vout,--overshoot,--load-current,"
     "--output,--drop,--drop-n,--vin-min,--vin-max",
     kFlybackNeeds},
    {WorkMode::SingleEnded,
     "--gap,--freq,--pulse,--vin,--vout,--load-current,"
     "--output,--drop,--drop-n,--vin-min,--vin-max",
     kForwardNeeds},
    {WorkMode::PushPull,
     "--gap,--freq,--pulse,--vin,--vout,--load-current,"
     "--output,--drop,--drop-n,--vin-min,--vin-max",
     kForwardNeeds},
};
constexpr bool SearchModesInOrder() {
    for (std::size_t i = 0; i < std::size(kSearchModes); ++i) {
        if (kSearchModes[i].mode != static_cast<WorkMode>(i)) {
            return false;
        }
    }
    return std::size(kSearchModes) == kModes.size();
}
static_assert(SearchModesInOrder(), "kSearchModes holds a row per work mode, in the enum's order");

// Whether a list of names separated by commas holds the name.
bool Holds(std::string_view names, std::string_view name) {
    while (!names.empty()) {
        const std::size_t comma = names.find(',');
        if (names.substr(0, comma) == name) {
            return true;
        }
        names = comma == std::string_view::npos ? "" : names.substr(comma + 1);
    }
    return false;
}

const SearchMode& SearchModeOf(WorkMode mode) {
    return kSearchModes[static_cast<std::size_t>(mode)];
}

std::string ModeName(WorkMode mode) {
    return std::string(InfoOf(mode).cliName);
}

}  // namespace

void CheckOptionScope(const CliOptions& options) {
    if (options.help) {
        return;
    }
    const Action action = options.advise.run       ? kAdvise
                          : options.catalogue.list ? kList
                                                   : kCalculate;
    const std::optional<WorkMode> mode = ModeOfText(options.mode);
    for (const std::string& name : options.given) {
        const Scope* scope = nullptr;
        for (const Scope& row : kScopes) {
            scope = Holds(row.names, name) ? &row : scope;
        }
        if (scope == nullptr) {
            throw std::logic_error("the option " + name + " has no scope");
        }
        if ((scope->actions & action) == 0) {
            if (action == kCalculate) {
                throw UsageError(name + " applies to --advise only");
            }
            if (!scope->whyNotSearched.empty() && action == kAdvise) {
                throw UsageError(name + ": " + std::string(scope->whyNotSearched));
            }
            throw UsageError(name + " does not apply to " +
                             (action == kList ? "--list" : "--advise"));
        }
        if (action == kAdvise && scope->byMode && mode && !Holds(SearchModeOf(*mode).reads, name)) {
            throw UsageError(name + " does not apply to --advise --mode " + ModeName(*mode));
        }
    }
}

void CheckSearchFields(const CliOptions& options, WorkMode mode) {
    for (const Need& need : SearchModeOf(mode).needs) {
        const std::string& text = options.fields[need.field];
        const std::string needs =
            "--advise --mode " + ModeName(mode) + " needs " + std::string(need.option);
        if (text.empty()) {
            throw UsageError(needs);
        }
        double value = 0;
        try {
            value = ParseNumber(text, options.separator);
        } catch (const std::exception&) {
            continue;  // every design names the text that is no number
        }
        if (!(value > 0)) {
            throw UsageError(needs + " above 0, not '" + text + "'");
        }
    }
}

}  // namespace transcalc::cli
