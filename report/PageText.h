#pragma once

#include <QString>
#include <string_view>

#include "Phrases.h"
#include "ReportPhrases.h"

namespace transcalc {

// The core's and the report's UTF-8 texts as the page draws them.
inline QString PageText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString Say(ReportPhrase phrase, Language language) {
    return PageText(ReportText(phrase, language));
}

inline QString Say(Phrase phrase, Language language) {
    return PageText(PhraseText(phrase, language));
}

}  // namespace transcalc
