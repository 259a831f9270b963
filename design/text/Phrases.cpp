#include "Phrases.h"

namespace transcalc {

std::string_view TranslatedText(std::string_view russian, Language language) {
    if (language == Language::Russian) {
        return russian;
    }
    for (const PhraseRow& row : kPhrases) {
        if (row.russian == russian) {
            return row.english;
        }
    }
    return russian;
}

}  // namespace transcalc
