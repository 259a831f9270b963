#include "CliOptions.h"

#include <clocale>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "Adviser.h"
#include "OptionScope.h"

namespace transcalc::cli {

const char* const kUsage =
    R"(Usage: transcalc-cli [options]
Designs a choke or the transformer of a flyback, single-ended or push-pull
forward converter: one Calculate and its results, as the window shows them.

  --core KIND       ring | e | u  (e = Ш-shaped, u = П-shaped): makes that core picture
                    visible; may be repeated; absent: no picture visible
  --mode MODE       choke | flyback | single-ended | push-pull, or an exact mode text
                    ("Дроссель", "Обратноходовой", "Однотактный", "Двухтактный", or any
                    other text, taken as it is); absent: empty mode
  field options, each setting the text of one input field exactly as typed (blanks, commas
  and exponents kept); an absent option leaves its field empty, except --gap, whose field
  starts as "0" as in the window:
  --d1 TEXT | --h1 TEXT        Edit1
  --d2 TEXT | --h2 TEXT        Edit2
  --h TEXT  | --l1 TEXT        Edit3
  --l2 TEXT                    Edit4
  --gap TEXT                   Edit5 (mm), default "0"
  --freq TEXT | --pulse TEXT   Edit6 (kHz in the forward modes, µs in flyback)
  --vin TEXT                   Edit7
  --vout TEXT                  Edit8
  --db TEXT                    Edit9
  --mu TEXT                    Edit10
  --turns TEXT                 Edit11
  --overshoot TEXT             Edit12
  catalogue options (field options given as well win, wherever they stand):
  --core-name NAME  a core of the catalogue by its exact name or alias, e.g. "E 25/13/7":
                    makes its picture visible as --core does and fills the dimension
                    fields; only ring, E and U cores have such fields
  --material NAME   a material of the catalogue, e.g. "N87": fills Edit10 with its initial
                    permeability and Edit9 with its working flux density, 0.8 of its
                    saturation induction at 100 °C
  --list WHAT       cores | materials | wires: prints the catalogue, one entry a line,
                    tab-separated, a header line first, the kind column naming each
                    core's family (ring, e, u, etd, rm, pq, ...); with --json one array
                    of objects; with --core only cores of those families. Takes no
                    other option.
                    Your own entries in $XDG_DATA_HOME/transcalc/ (default
                    ~/.local/share/transcalc/) are part of the catalogue
  --separator C     the decimal separator, "," or "." (default: the user's locale, as the
                    window takes it)
  --lang LANG       ru | en: the language of the results, the check's lines and the report
                    (default ru); --json keeps its keys and numbers in either
  --json            print one JSON object instead of plain lines
  --help            usage
)";

const char* const kUsageEnd =
    R"(
Exit status: 0 results in the normal colour, 3 the list ends red (mode or data
missing), 2 an error was reported or a design file or report could not be
written, 64 bad usage or a design file that cannot be read.
)";

namespace {

// Names that set the same field are one option: given more than once, the
// last on the command line counts, whichever name it used.
struct FieldOption {
    const char* names;
    Field field;
};

constexpr FieldOption kFieldOptions[] = {
    {"--d1,--h1", Field::Dimension1},
    {"--d2,--h2", Field::Dimension2},
    {"--h,--l1", Field::Dimension3},
    {"--l2", Field::Dimension4},
    {"--gap", Field::Gap},
    {"--freq,--pulse", Field::FrequencyOrPulse},
    {"--vin", Field::VoltageIn},
    {"--vout", Field::VoltageOut},
    {"--db", Field::SatInduction},
    {"--mu", Field::Permeability},
    {"--turns", Field::ChokeTurns},
    {"--overshoot", Field::Overshoot},
};

// A classic family shows its picture; every family is kept for --list and
// --advise.
void SetCore(CliOptions& options, std::string_view name) {
    const std::optional<CoreFamily> family = FamilyOfKey(name);
    if (!family) {
        std::string keys;
        for (const FamilyInfo& info : kCoreFamilies) {
            keys += (keys.empty() ? "" : ", ") + std::string(info.key);
        }
        throw UsageError("--core takes a core family (" + keys + "), not '" + std::string(name) +
                         "'");
    }
    if (const std::optional<CoreKind> kind = ClassicKindOf(*family)) {
        options.cores.Shows(*kind) = true;
    }
    options.families.push_back(*family);
}

// A design on a core beyond the classic three takes it by its catalogue
// name: --core alone gives it no dimensions.
void CheckFamilyCores(const CliOptions& options, const TypedFields& typed) {
    if (options.catalogue.list || options.advise.run) {
        return;
    }
    const std::optional<CatalogueFamilyCore>& named = options.catalogue.familyCore;
    // Its dimensions are the catalogue's letters: a dimension typed beside
    // it would be dropped without a word.
    for (const FieldOption& option : kFieldOptions) {
        if (named && IsDimension(option.field) && typed[FieldIndex(option.field)]) {
            throw UsageError(
                "the dimension options (--d1, --d2, --h, --h1, --h2, --l1, --l2) "
                "do not apply: the core '" +
                options.catalogue.coreName.value_or("") +
                "' takes its dimensions from the catalogue");
        }
    }
    for (const CoreFamily family : options.families) {
        const bool classic = ClassicKindOf(family).has_value();
        if (named && family != named->core.family) {
            throw UsageError("the core '" + options.catalogue.coreName.value_or("") +
                             "' is of the family " + std::string(InfoOf(named->core.family).key) +
                             ", not " + std::string(InfoOf(family).key));
        }
        if (!classic && !named) {
            throw UsageError("--core " + std::string(InfoOf(family).key) +
                             " needs --core-name: such a core is known by its catalogue name");
        }
    }
}

// A command-line mode name stands for its mode text; any other text is taken
// as it is.
std::string ModeText(std::string_view mode) {
    for (const ModeInfo& info : kModes) {
        if (mode == info.cliName) {
            return std::string(info.text);
        }
    }
    return std::string(mode);
}

// Languages whose regional settings write a decimal comma, for a locale that
// names one but is not installed on this machine.
bool LanguageUsesComma(std::string_view language) {
    constexpr std::string_view kCommaLanguages[] = {
        "af", "az", "be", "bg", "bs", "ca", "cs", "da", "de", "el", "es", "et",
        "eu", "fi", "fo", "fr", "gl", "hr", "hu", "hy", "id", "is", "it", "ka",
        "kk", "ky", "lt", "lv", "mk", "mn", "nb", "nl", "nn", "no", "pl", "pt",
        "ro", "ru", "sk", "sl", "sq", "sr", "sv", "tr", "uk", "uz", "vi"};
    for (std::string_view comma : kCommaLanguages) {
        if (language == comma) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string SystemDecimalSeparator() {
    std::string name;
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            name = value;
            break;
        }
    }
    if (name.empty() || name == "C" || name == "POSIX" || name.starts_with("C.")) {
        return ".";
    }
    if (std::setlocale(LC_NUMERIC, name.c_str()) == nullptr) {
        const std::string_view language =
            std::string_view(name).substr(0, name.find_first_of("_.@"));
        return LanguageUsesComma(language) ? "," : ".";
    }
    std::string separator = std::localeconv()->decimal_point;
    std::setlocale(LC_NUMERIC, "C");
    return separator.empty() ? "." : separator;
}

namespace {

// The options over the inputs that they start from.
CliOptions ParseOptions(int argc, const char* const argv[], CliOptions options) {
    std::string separator;  // not given: the user's locale decides
    bool separatorGiven = false;
    TypedFields typed{};  // fields the catalogue must leave alone
    std::vector<std::string> cores;

    OptionList list;
    list.AddFlag("--json", options.json);
    list.AddFlag("--help", options.help);
    list.AddRepeated("--core", cores);
    list.AddText("--mode", [&options](const std::string& mode) { options.mode = ModeText(mode); });
    list.AddText("--separator", [&separator, &separatorGiven](const std::string& text) {
        separator = text;
        separatorGiven = true;
    });
    list.AddText("--lang", [&options](const std::string& code) {
        const std::optional<Language> language = LanguageOfCode(code);
        if (!language) {
            throw UsageError("--lang takes ru or en, not '" + code + "'");
        }
        options.language = *language;
    });
    for (const FieldOption& option : kFieldOptions) {
        list.AddText(option.names,
                     [&options, &typed, field = option.field](const std::string& text) {
                         options.fields[field] = text;
                         typed[FieldIndex(field)] = true;
                     });
    }
    AddCatalogueOptions(list, options.catalogue);
    AddCheckOptions(list, options.check, options.language);  // after --lang
    AddAdviseOptions(list, options.advise);
    AddDesignOptions(list, options.design);
    options.given = ParseArguments(list, argc, argv);
    CheckOptionScope(options);

    if (!cores.empty() && std::exchange(options.design.coreFromFile, false)) {
        options.cores = {};  // the command line's cores replace the file's
        options.catalogue.familyCore.reset();
    }
    if (!cores.empty()) {
        options.families.clear();
    }
    for (const std::string& core : cores) {
        SetCore(options, core);
    }
    if (separatorGiven && separator != "," && separator != ".") {
        throw UsageError("--separator takes \",\" or \".\", not '" + separator + "'");
    }
    options.separator = separator.empty() ? SystemDecimalSeparator() : separator;
    options.catalogue.coreHeld =
        ApplyCatalogue(options.catalogue, typed, options.fields, options.cores, options.separator);
    CheckFamilyCores(options, typed);
    return options;
}

}  // namespace

CliOptions ParseCommandLine(int argc, const char* const argv[]) {
    CliOptions start;
    start.fields = InputFields::DesignTexts();  // the gap field starts as "0", as in the window
    CliOptions options = ParseOptions(argc, argv, start);
    // A design file replaces the starting inputs; the options, parsed again
    // over them, win wherever they stand.
    if (!options.help && !options.design.load.empty()) {
        options = ParseOptions(argc, argv, StartFrom(options.design.load));
    }
    if (!options.design.save.empty() || !options.design.report.empty()) {
        DocumentOf(options);  // refuses what a design cannot hold
    }
    if (options.check.run) {
        InputsOf(options.check, options.language);  // refuses inputs the check cannot use
    }
    if (options.advise.run) {
        AdviserInputsOf(options);  // refuses inputs the adviser cannot search with
    }
    return options;
}

}  // namespace transcalc::cli
