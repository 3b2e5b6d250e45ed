#include "Language.h"

#include <QTranslator>

#include "texts/Translation.h"
#include "translations/EmbeddedTranslations.h"

namespace tessmoor {

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
