#pragma once

#include <functional>
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
// and lines starting with '#' (the header) are skipped; a byte order mark
// before the first line is too. A malformed line, or one that no real part
// could have (a column that is not UTF-8 or holds a control character or a
// byte order mark, a number outside the bounds of real parts, a letter its
// kind (family) of core does not have, a core that leaves no window for its
// winding or a bobbin larger than that window,
// a Steinmetz range that ends before it starts, a wire's conductor not below
// its outer diameter), adds a message naming `source`, the line number, the
// column or datum and the bound, and is left out; the rest is read. Entries
// come in the order of the file. A core line may add alias=NAME,
// subtype=TEXT and bobbin=BREADTH,HEIGHT (mm) columns to its letters.
std::vector<Core> ReadCores(std::string_view text, std::string_view source, Messages& messages);
// ReadCores without the list: each core goes to `visit` as it is read, so
// that a caller keeping less of it never holds the whole file parsed.
void ForEachCore(std::string_view text, std::string_view source, Messages& messages,
                 const std::function<void(Core&&)>& visit);
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

// A powder maker's method as a line names it: "magnetics", "micrometals",
// "fair-rite".
std::string_view MethodText(PowderMethod method);

}  // namespace transcalc::catalogue
