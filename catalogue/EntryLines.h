#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Entries.h"
#include "Material.h"

namespace transcalc::catalogue {

// Problems met while reading catalogue files, one "FILE:LINE: what" each.
using Messages = std::vector<std::string>;

// The three file formats: UTF-8 text, one entry a line, columns separated by
// tabs, numbers with a decimal point whatever the user's locale. Blank lines
// and lines starting with '#' (the header) are skipped. A malformed line, or
// one that no real part could have (a name that is not UTF-8 or holds a
// control character, a core that leaves no window for its winding, a
// saturation above 3 T, Steinmetz factors outside those of real materials, a
// wire's conductor not below its outer diameter), adds a message naming
// `source` and the line number and is left out; the rest is read. Entries
// come in the order of the file.
std::vector<Core> ReadCores(std::string_view text, std::string_view source, Messages& messages);
std::vector<Material> ReadMaterials(std::string_view text, std::string_view source,
                                    Messages& messages);
std::vector<Wire> ReadWires(std::string_view text, std::string_view source, Messages& messages);

// The header line of each file.
extern const std::string_view kCoresHeader;
extern const std::string_view kMaterialsHeader;
extern const std::string_view kWiresHeader;

// One entry as a line of its file, without the line end; numbers in their
// shortest text that reads back as the same value.
std::string CoreLine(const Core& core);
std::string MaterialLine(const Material& material);
std::string WireLine(const Wire& wire);

}  // namespace transcalc::catalogue
