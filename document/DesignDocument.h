#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "DesignModel.h"
#include "InputField.h"
#include "WorkMode.h"

namespace transcalc {

// A design file keeps one Design (design/model/DesignModel.h): the field texts as
// typed, the first core picture shown, the mode text, the catalogue core and
// material names and the check's inputs.

inline constexpr std::string_view kDesignFormat = "transcalc-design";
inline constexpr int kDesignVersion = 1;
inline constexpr std::string_view kDesignExtension = ".transcalc";

// A design file that cannot be read or written; what() names the file and
// says why, with no full stop (an error box adds it).
class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The key of a field in the file: its role, never its place on the window.
std::string_view FieldKey(Field field);

// The design as the text of a design file. Throws DocumentError (naming
// fileName) for a text that is not UTF-8, a field text that holds a control
// character or a check value that is not finite.
std::string DesignText(const Design& document, std::string_view fileName);

// The design a file's text holds. Throws DocumentError naming fileName when
// the text is not JSON, not a design, from a newer version, lacks or
// mistypes a value it needs, or holds a field text with a control character
// (below U+0020, or U+007F); keys it does not know are ignored.
Design ParseDesignText(std::string_view text, std::string_view fileName);

}  // namespace transcalc
