#include "Errors.h"

namespace transcalc {

namespace {

std::string ConversionText(std::string_view cleanedText) {
    constexpr std::string_view kSuffix = "' is not a valid floating point value";
    std::string text;
    text.reserve(1 + cleanedText.size() + kSuffix.size());
    text += '\'';
    text += cleanedText;
    text += kSuffix;
    return text;
}

}  // namespace

ConversionError::ConversionError(std::string_view cleanedText)
    : std::runtime_error(ConversionText(cleanedText)) {}

std::string ErrorBoxText(std::string_view errorText) {
    std::string text(errorText);
    // Compared as an unsigned byte: the last byte of any non-ASCII UTF-8
    // character sorts after "." as the character itself does.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') {
        text += '.';
    }
    return text;
}

}  // namespace transcalc
