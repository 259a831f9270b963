#pragma once

// transcalc-cli: one fresh start of the calculator per run.
//
// How the pieces fit:
//   CliOptions  the command line -> the window's inputs (field texts, core
//               pictures, mode, decimal separator, output form)
//   CatalogueOptions  --core-name, --material and --list: the catalogue's
//               cores and materials -> field texts, and its listing
//   CliReport   the results list, its colour, the error and the design state
//               -> plain lines or one JSON object, and the exit status
//   main        Calculate, then one results pass, through design/

#include <optional>
#include <stdexcept>
#include <string>

#include "Calculate.h"
#include "CatalogueOptions.h"

namespace transcalc::cli {

struct CliOptions {
    InputFields fields;
    CorePictures cores;
    std::string mode;
    std::string separator;
    CatalogueChoice catalogue;
    bool json = false;
    bool help = false;
};

// A command line that cannot be run; what() names the bad option.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options after the program name. Throws UsageError.
CliOptions ParseCommandLine(int argc, const char* const argv[]);

// The decimal separator of the user's regional settings, "," or ".".
std::string SystemDecimalSeparator();

extern const char* const kUsage;

}  // namespace transcalc::cli
