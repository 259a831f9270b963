#pragma once

// transcalc-cli: one fresh start of the calculator per run.
//
// How the pieces fit:
//   CliOptions  the command line -> the window's inputs (field texts, core
//               pictures, mode, decimal separator, language, output form),
//               from its own options and those that each piece below adds
//   OptionParser  the options as plain data, and the parse: the one file
//               that includes CLI11
//   OptionScope which options each action takes (one Calculate, --list,
//               --advise in each mode), and what a search cannot do without
//   CatalogueOptions  --core-name, --material and --list: the catalogue's
//               cores and materials -> field texts, and its listing
//   CatalogueJson  the listing as one JSON array (--list with --json)
//   CliDesign   --design, --save-design and --report: a design file as the
//               starting inputs, the inputs saved as one, and the PDF report
//               through the transcalc-report program (which holds the Qt)
//   CliCheck    --check and its inputs: the design check after the results,
//               as lines or as the "check" object of the JSON
//   CliAdvise   --advise and its options: the core adviser's search over the
//               catalogue, as a table or the "advice" array of the JSON
//   CliReport   the results list, its colour, the error and the design state
//               -> plain lines or one JSON object (nlohmann-json, written on
//               one line), and the exit status
//   main        Calculate, then one results pass, through design/

#include <optional>
#include <string>
#include <vector>

#include "Calculate.h"
#include "CatalogueOptions.h"
#include "CliAdvise.h"
#include "CliCheck.h"
#include "CliDesign.h"
#include "DesignModel.h"
#include "Language.h"
#include "OptionParser.h"

namespace transcalc::cli {

struct CliOptions {
    InputFields fields;
    CorePictures cores;
    std::vector<CoreFamily> families;  // --core, in the order given
    std::string mode;
    std::string separator;
    Language language = Language::Russian;  // of the lines and the report
    CatalogueChoice catalogue;
    bool json = false;
    bool help = false;
    DesignFileOptions design;
    CheckOptions check;
    AdviseOptions advise;
    // The options on the command line, each under the name it was given by.
    std::vector<std::string> given;
};

// The options after the program name. Throws UsageError, and DocumentError
// for a --design file that cannot be read.
CliOptions ParseCommandLine(int argc, const char* const argv[]);

// The decimal separator of the user's regional settings, "," or ".".
std::string SystemDecimalSeparator();

// The usage: kUsage, kCheckUsage (CliCheck.h), kAdviseUsage (CliAdvise.h),
// kDesignUsage (CliDesign.h), then kUsageEnd.
extern const char* const kUsage;
extern const char* const kUsageEnd;

}  // namespace transcalc::cli
