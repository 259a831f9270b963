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
// and lines starting with '#' (the header) are skipped. A malformed line adds
// a message naming `source` and the line number and is left out; the rest is
// read. Entries come in the order of the file.
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
