#pragma once

#include <optional>
#include <string_view>

namespace transcalc {

// The language of the texts the core writes: the results list, the check's
// lines, captions and headings. Russian is the classic and the default
// everywhere; English is what a user chooses.
enum class Language { Russian, English };

inline constexpr Language kDefaultLanguage = Language::Russian;

// The short code a user names a language by ("ru", "en"), as on the command
// line and in the environment.
constexpr std::string_view LanguageCode(Language language) {
    return language == Language::English ? "en" : "ru";
}

// The language a code names, compared as a whole text; nothing for any other.
constexpr std::optional<Language> LanguageOfCode(std::string_view code) {
    if (code == "ru") {
        return Language::Russian;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

}  // namespace transcalc
