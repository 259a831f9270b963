#pragma once

#include <string_view>

namespace transcalc::catalogue {

// The catalogue files as committed under resources/catalogue; the build
// generates their definitions from the files.
std::string_view BuiltinCoresText();
std::string_view BuiltinMaterialsText();
std::string_view BuiltinWiresText();

}  // namespace transcalc::catalogue
