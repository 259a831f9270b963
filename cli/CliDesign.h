#pragma once

#include <string>

#include "DesignModel.h"

namespace transcalc::cli {

class OptionList;

struct CliOptions;

// The design-file options: --design, --save-design, --report.
struct DesignFileOptions {
    std::string load;    // --design FILE
    std::string save;    // --save-design FILE
    std::string report;  // --report FILE.pdf
    // What the design holds beyond the options' fields, core and mode: the
    // catalogue and material names and the check inputs, as --design read
    // them; --save-design and the report carry them on.
    Design document;
    // The core of a --design file, which a --core option replaces.
    bool coreFromFile = false;
};

extern const char* const kDesignUsage;

// Adds --design, --save-design and --report to list, each filling files. An
// empty file name throws UsageError from the parse.
void AddDesignOptions(OptionList& list, DesignFileOptions& files);

// The options that a design file starts from: its fields, core and mode,
// with the rest kept for saving. Throws DocumentError.
CliOptions StartFrom(const std::string& designPath);

// The design that the options describe: the --design file's, with every
// option given over it. A catalogue core's name stays only while its kind
// and dimensions do.
Design DesignOf(const CliOptions& options);

// The design as a file keeps it. Throws UsageError when the options make more
// than one core picture visible, which a design file cannot hold.
Design DocumentOf(const CliOptions& options);

// Saves the design and writes the report, as the options ask. Reports a
// failure on stderr and returns false. For a report, the caller ignores
// SIGPIPE: the report program may end before it has read the whole design.
bool WriteDesignFiles(const CliOptions& options);

}  // namespace transcalc::cli
