#pragma once

#include <QString>

#include "Language.h"

namespace transcalc {

// The language of the window and its dialogs. Russian is the source
// language of every text; English comes from the translation embedded under
// :/i18n/. The user's choice is kept in the program's settings (QSettings),
// never in the state file; TRANSCALC_LANG ("ru" or "en") overrides it.

// The names the settings are kept under: call once, after the application
// object exists and before the first setting is read.
void SetSettingsNames();

// The language to start in: TRANSCALC_LANG when it names one, else the
// choice kept in the settings, else Russian.
transcalc::Language StartLanguage();

// The language the window speaks now.
transcalc::Language WindowLanguage();

// Puts the translation of `language` in place; every widget then receives a
// LanguageChange event. Nothing happens when it is already in place.
void ApplyWindowLanguage(transcalc::Language language);

// Keeps the choice for the next start.
void StoreLanguage(transcalc::Language language);

}  // namespace transcalc
