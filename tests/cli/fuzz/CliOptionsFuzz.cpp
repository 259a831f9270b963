// Arbitrary command lines, their arguments ended by NUL bytes, through
// the command line's parse alone: it gives options or refuses with
// UsageError (a message) or DocumentError, and nothing else escapes; what it
// accepts, the program can run. Nothing runs a design.
//
// The parse reads design files and the user's catalogue files: the data
// folder is a folder of the run's own, empty but for one design,
// d.transcalc, and a --design name is taken inside it (one holding '/' is
// passed over), so that nothing outside it is read.

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "CliOptions.h"
#include "DesignFile.h"
#include "FuzzRunFolder.h"

namespace {

namespace fs = std::filesystem;
using namespace transcalc;

using fuzz::Require;

// The run's own folder as the data folder, holding one design.
class RunFolder {
public:
    RunFolder() {
        Require(::setenv("XDG_DATA_HOME", Path().c_str(), 1) == 0);
        Design design;
        design.ShowCore(CoreKind::Ring);
        design.mode = std::string(kModeChoke);
        for (const auto& [field, text] : {std::pair{Field::Dimension1, "20"},
                                          {Field::Dimension2, "10"},
                                          {Field::Dimension3, "10"},
                                          {Field::Permeability, "2000"},
                                          {Field::SatInduction, "0,3"},
                                          {Field::ChokeTurns, "20"}}) {
            design.SetField(field, text);
        }
        design.check = CheckInputs{.dcCurrent = 2, .ripple = 1, .frequencyKhz = 100};
        SaveDesign(design, Path() / "d.transcalc");
    }
    const fs::path& Path() const { return folder_.Path(); }

private:
    fuzz::RunFolder folder_;
};

// The --design name of an argument, if it gives one: after "--design" or
// in "--design=NAME".
std::optional<std::size_t> DesignNameAt(std::string_view previous, std::string_view argument) {
    if (previous == "--design") {
        return 0;
    }
    constexpr std::string_view kNamed = "--design=";
    if (argument.starts_with(kNamed)) {
        return kNamed.size();
    }
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const RunFolder folder;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> arguments = {"transcalc-cli"};
    for (std::size_t at = 0; at < input.size();) {
        const std::size_t end = std::min(input.find('\0', at), input.size());
        std::string argument(input.substr(at, end - at));
        if (const auto name = DesignNameAt(arguments.back(), argument)) {
            if (argument.find('/') != std::string::npos) {
                return -1;  // kept out of the corpus
            }
            if (argument.size() > *name) {
                argument.insert(*name, folder.Path().string() + "/");
            }
        }
        arguments.push_back(std::move(argument));
        at = end + 1;
    }
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    try {
        const cli::CliOptions options =
            cli::ParseCommandLine(static_cast<int>(argv.size()), argv.data());
        Require(options.separator == "," || options.separator == ".");
        Require(!options.advise.run ||
                (options.design.save.empty() && options.design.report.empty()));
    } catch (const cli::UsageError& error) {
        Require(*error.what() != '\0');
    } catch (const DocumentError&) {
    }
    return 0;
}
