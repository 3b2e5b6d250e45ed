#include "Language.h"

#include <QTranslator>
#include <cstdlib>

#include "texts/Translation.h"
#include "translations/EmbeddedTranslations.h"

namespace tessmoor {

std::optional<MessageLanguage> ParseMessageLanguage(const std::string& name) {
  if (name == "de") return MessageLanguage::German;
  if (name == "en") return MessageLanguage::English;
  return std::nullopt;
}

MessageLanguage LocaleMessageLanguage(const std::string& locale) {
  // "de_AT.UTF-8@euro": the language is what comes before territory, code set and modifier.
  const std::string language = locale.substr(0, locale.find_first_of("_.@"));
  if (language.empty() || language == "C" || language == "POSIX" || language == "de") return MessageLanguage::German;
  return MessageLanguage::English;
}

MessageLanguage EnvironmentMessageLanguage() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return LocaleMessageLanguage(value);
  }
  return MessageLanguage::German;
}

void UseMessageLanguage(MessageLanguage language) {
  if (language == MessageLanguage::German) {
    SetTextLookup(nullptr);
    return;
  }
  // Lives as long as the program: the lookup reads it for every later text.
  static QTranslator translator;
  if (!LoadEnglishTexts(translator)) return;
  SetTextLookup(
      [](const char* context, const char* source) { return translator.translate(context, source).toStdString(); });
}

}  // namespace tessmoor
