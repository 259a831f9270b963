#include "CliOptions.h"

#include <clocale>
#include <cstdlib>
#include <string_view>
#include <utility>

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
  --core-name NAME  a core of the catalogue by its exact name, e.g. "E 25/13/7": makes its
                    picture visible as --core does and fills the dimension fields
  --material NAME   a material of the catalogue, e.g. "N87": fills Edit10 with its initial
                    permeability and Edit9 with its working flux density, 0.8 of its
                    saturation induction at 100 °C
  --list WHAT       cores | materials | wires: prints the catalogue, one entry a line,
                    tab-separated, a header line first; with --core only cores of that kind.
                    Your own entries in $XDG_DATA_HOME/transcalc/ (default
                    ~/.local/share/transcalc/) are part of the catalogue
  --separator C     the decimal separator, "," or "." (default: the user's locale, as the
                    window takes it)
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

struct FieldOption {
    std::string_view name;
    Field field;
};

constexpr FieldOption kFieldOptions[] = {
    {"d1", Field::Dimension1},         {"h1", Field::Dimension1},
    {"d2", Field::Dimension2},         {"h2", Field::Dimension2},
    {"h", Field::Dimension3},          {"l1", Field::Dimension3},
    {"l2", Field::Dimension4},         {"gap", Field::Gap},
    {"freq", Field::FrequencyOrPulse}, {"pulse", Field::FrequencyOrPulse},
    {"vin", Field::VoltageIn},         {"vout", Field::VoltageOut},
    {"db", Field::SatInduction},       {"mu", Field::Permeability},
    {"turns", Field::ChokeTurns},      {"overshoot", Field::Overshoot},
};

void SetCore(CorePictures& cores, std::string_view name) {
    for (const CoreKindInfo& info : kCoreKinds) {
        if (name == info.cliName) {
            cores.Shows(info.kind) = true;
            return;
        }
    }
    throw UsageError("--core takes ring, e or u, not '" + std::string(name) + "'");
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
    std::string separator;  // empty: the user's locale decides
    TypedFields typed{};    // fields the catalogue must leave alone

    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (!argument.starts_with("--")) {
            throw UsageError("unexpected argument '" + std::string(argument) + "'");
        }
        std::string_view name = argument.substr(2);
        std::optional<std::string> inlineValue;
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            inlineValue = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        if (name == "json" || name == "help" || name == "check") {
            if (inlineValue) {
                throw UsageError("--" + std::string(name) + " takes no value");
            }
            (name == "json"   ? options.json
             : name == "help" ? options.help
                              : options.check.run) = true;
            continue;
        }
        auto value = [&]() -> std::string {
            if (inlineValue) {
                return *inlineValue;
            }
            if (i + 1 >= argc) {
                throw UsageError("--" + std::string(name) + " needs a value");
            }
            return argv[++i];
        };

        if (name == "core") {
            if (std::exchange(options.design.coreFromFile, false)) {
                options.cores = {};
            }
            SetCore(options.cores, value());
        } else if (name == "mode") {
            options.mode = ModeText(value());
        } else if (name == "separator") {
            separator = value();
            if (separator != "," && separator != ".") {
                throw UsageError("--separator takes \",\" or \".\", not '" + separator + "'");
            }
        } else if (TakeCatalogueOption(name, value, options.catalogue)) {
        } else if (TakeCheckOption(name, value, options.check)) {
        } else if (!TakeDesignOption(name, value, options.design)) {
            bool known = false;
            for (const FieldOption& field : kFieldOptions) {
                if (name == field.name) {
                    options.fields[field.field] = value();
                    typed[FieldIndex(field.field)] = true;
                    known = true;
                    break;
                }
            }
            if (!known) {
                throw UsageError("unknown option '--" + std::string(name) + "'");
            }
        }
    }
    options.separator = separator.empty() ? SystemDecimalSeparator() : separator;
    options.catalogue.forCheck = options.check.run;
    ApplyCatalogue(options.catalogue, typed, options.fields, options.cores, options.separator);
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
        InputsOf(options.check);  // refuses inputs the check cannot use
    }
    return options;
}

}  // namespace transcalc::cli
