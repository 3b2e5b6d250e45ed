// Which language tmcompile speaks, from its arguments and the environment;
// without Qt, so the command line's parser needs none.

#include <cstdlib>

#include "Language.h"

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

}  // namespace tessmoor
