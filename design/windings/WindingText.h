#pragma once

#include <string>
#include <vector>

#include "Language.h"
#include "NumberText.h"
#include "WindingCheck.h"

namespace transcalc {

// The winding check as the user reads it: a table of the sections, then the
// fill of the window, the totals and why the copper loss is an estimate, in
// Russian or English; the numbers are written alike in both. The table's
// captions, units and formats are kWindingColumns (WindingColumns.h).
struct WindingTable {
    std::string heading;                         // names the current density
    std::vector<std::string> columns;            // the table's captions
    std::vector<std::vector<std::string>> rows;  // one per section, a cell per column
    std::vector<std::string> lines;  // fill, totals and the note; alone: why none is checked
};

// The cells of one section in the columns' order, its name first; "—" where
// a value does not apply or the section found no place.
std::vector<std::string> WindingRow(const WindingSection& section, DecimalSeparator separator);

WindingTable WindingTableOf(const WindingCheck& check, DecimalSeparator separator,
                            Language language = Language::Russian);

// The same as plain lines: the heading, a line per section, then the table's
// lines. One line, the reason, when the windings are not checked.
std::vector<std::string> WindingTextLines(const WindingCheck& check, DecimalSeparator separator,
                                          Language language = Language::Russian);

}  // namespace transcalc
