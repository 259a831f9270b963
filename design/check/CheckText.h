#pragma once

#include <string>
#include <vector>

#include "DesignCheck.h"
#include "Language.h"
#include "NumberText.h"

namespace transcalc {

// One result of the design check as the user reads it: "label=value", and
// below it what the value means.
struct CheckLine {
    std::string label;    // ends in "=", as the results list writes its labels
    std::string value;    // a number with its unit, or why there is none
    std::string meaning;  // one line
    bool alarm = false;   // the design fails here: the core saturates
};

// The lines of a check, in the order shown and in the language; one line
// when there is nothing to check.
std::vector<CheckLine> CheckLines(const DesignCheck& check, DecimalSeparator separator,
                                  Language language = Language::Russian);

// The same lines as plain text, label and value joined: for the command line
// and printed reports.
std::vector<std::string> CheckTextLines(const DesignCheck& check, DecimalSeparator separator,
                                        Language language = Language::Russian);

}  // namespace transcalc
