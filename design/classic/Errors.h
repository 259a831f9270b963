#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace transcalc {

// A field text that is no number. The text it names is the cleaned text, the
// one that was converted, not the one the user typed.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string_view cleanedText);
};

// The text an error box shows for an error: a full stop is appended when the
// last character sorts after "." (so "I/O error 13" and every Cyrillic or
// letter ending gain one, while a text already ending in "." does not).
std::string ErrorBoxText(std::string_view errorText);

}  // namespace transcalc
