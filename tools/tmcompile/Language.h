#pragma once
// The language of tmcompile's messages. German is the source language of every
// text and stays the default, so a pipeline that sets no locale reads the log it
// always read; a locale of another language, or --lang, asks for English.

#include <optional>
#include <string>

namespace tessmoor {

enum class MessageLanguage { German, English };

// "de" or "en", the values --lang takes; nothing for any other.
std::optional<MessageLanguage> ParseMessageLanguage(const std::string& name);

// The language of a locale name as LC_ALL, LC_MESSAGES and LANG hold it:
// German for none, "C", "POSIX" and "de_*"; English for every other language.
MessageLanguage LocaleMessageLanguage(const std::string& locale);

// From the environment the way the C library picks the messages' locale: the
// first of LC_ALL, LC_MESSAGES, LANG that is set and not empty.
MessageLanguage EnvironmentMessageLanguage();

// Words every later text of the texts library in `language`.
void UseMessageLanguage(MessageLanguage language);

}  // namespace tessmoor
