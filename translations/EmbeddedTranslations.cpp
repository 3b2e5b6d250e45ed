#include "translations/EmbeddedTranslations.h"

#include <QTranslator>

// The resource lives in a static library: it must be registered by name.
static void RegisterTranslationResources() { Q_INIT_RESOURCE(tm_translations_translations); }

namespace tessmoor {

bool LoadEnglishTexts(QTranslator& translator) {
  RegisterTranslationResources();
  return translator.load(QStringLiteral(":/translations/tessmoor_en.qm"));
}

}  // namespace tessmoor
