#pragma once

#include <QString>

#include "Language.h"

namespace transcalc {

// The language of the window and its dialogs. Russian is the source
// language of every text; English comes from the translation embedded under
// :/i18n/. The user's choice is kept in the settings file (LanguageSetting.h),
// never in the state file; TRANSCALC_LANG ("ru" or "en") overrides it.

// The program's names for Qt: call once, after the application object
// exists.
void SetSettingsNames();

// The language to start in: TRANSCALC_LANG when it names one (the settings
// file is then not read), else the choice kept in the settings file, else
// Russian.
transcalc::Language StartLanguage();

// Why the last StartLanguage could not read the settings file, once: empty
// when nothing was in the way or it has been taken.
QString TakeStartLanguageProblem();

// The language the window speaks now.
transcalc::Language WindowLanguage();

// Puts the translation of `language` in place; every widget then receives a
// LanguageChange event. Nothing happens when it is already in place.
void ApplyWindowLanguage(transcalc::Language language);

// Keeps the choice for the next start. Returns why it could not, for the
// user; empty when it is kept.
[[nodiscard]] QString StoreLanguage(transcalc::Language language);

}  // namespace transcalc
