#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "DesignCheck.h"
#include "InputField.h"
#include "WorkMode.h"

namespace transcalc {

// What a design file keeps: the inputs of one design, as the user left them.
struct DesignDocument {
    InputFields fields = InputFields::DesignTexts();  // exactly as typed
    std::optional<CoreKind> core;                     // none: no core picture chosen
    std::string mode;                                 // the mode text, any text
    std::string catalogueCore;                        // empty: none chosen
    std::string material;                             // empty: none chosen
    // The design check's inputs, each when given.
    std::optional<double> temperature;     // °C
    std::optional<double> dcCurrent;       // A, choke
    std::optional<double> ripple;          // A peak to peak, choke
    std::optional<double> checkFrequency;  // kHz, choke

    bool operator==(const DesignDocument& other) const {
        return fields.texts == other.fields.texts && core == other.core && mode == other.mode &&
               catalogueCore == other.catalogueCore && material == other.material &&
               temperature == other.temperature && dcCurrent == other.dcCurrent &&
               ripple == other.ripple && checkFrequency == other.checkFrequency;
    }
};

inline constexpr std::string_view kDesignFormat = "transcalc-design";
inline constexpr int kDesignVersion = 1;
inline constexpr std::string_view kDesignExtension = ".transcalc";

// A design file that cannot be read or written; what() names the file and
// says why, with no full stop (an error box adds it).
class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The design check's inputs that a design keeps; none when it keeps no value
// of them. A value it lacks takes the check's default.
std::optional<CheckInputs> CheckInputsOf(const DesignDocument& document);

// Keeps every one of the check's inputs in the design.
void KeepCheckInputs(DesignDocument& document, const CheckInputs& inputs);

// The key of a field in the file: its role, never its place on the window.
std::string_view FieldKey(Field field);

// The design as the text of a design file. Throws DocumentError (naming
// fileName) for a text that is not UTF-8, a field text that holds a control
// character or a check value that is not finite.
std::string DesignText(const DesignDocument& document, std::string_view fileName);

// The design a file's text holds. Throws DocumentError naming fileName when
// the text is not JSON, not a design, from a newer version, lacks or
// mistypes a value it needs, or holds a field text with a control character
// (below U+0020, or U+007F); keys it does not know are ignored.
DesignDocument ParseDesignText(std::string_view text, std::string_view fileName);

}  // namespace transcalc
