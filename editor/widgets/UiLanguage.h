#pragma once
// The language the editor speaks: German (the source of every text, and the
// default), English, or whatever the system's locale says. A switch takes
// effect at once: installing or removing a translator sends every widget a
// LanguageChange, and each window sets its texts again.

#include <QLocale>

namespace tessmoor {

enum class UiLanguage { German, English, System };

// What the user chose in the settings; German when nothing is stored.
UiLanguage StoredUiLanguage();
void StoreUiLanguage(UiLanguage language);

// True when `language` means English here and now (System follows the locale).
bool SpeaksEnglish(UiLanguage language);

// Puts the program's texts, Qt's own texts (file dialogs, standard buttons),
// the default locale (dates, numbers) and the texts library into `language`.
// Calling it again with the same language changes nothing.
void ApplyUiLanguage(UiLanguage language);

// The language the program speaks at the moment.
bool EnglishIsApplied();

// Numbers and dates as the program's language writes them ("1.234" in German
// also before any language is applied).
QLocale ProgramLocale();

// Takes every translator out again, as before the first ApplyUiLanguage; for
// tests that share one application.
void ForgetUiLanguage();

}  // namespace tessmoor
