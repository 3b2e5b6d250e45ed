#include "editor/widgets/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "editor/widgets/ProgramSettings.h"
#include "texts/Translation.h"
#include "translations/EmbeddedTranslations.h"

namespace tessmoor {

namespace {

const char* const LanguageKey = "Sprache";

struct Translators {
  std::unique_ptr<QTranslator> ownEnglish;  // our texts
  std::unique_ptr<QTranslator> qtGerman;    // Qt's own texts; Qt's source language is English
  bool applied = false;
  bool english = false;
};

Translators& Installed() {
  static Translators translators;
  return translators;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
  if (!translator) return;
  QCoreApplication::removeTranslator(translator.get());
  translator.reset();
}

std::unique_ptr<QTranslator> QtGermanTexts() {
  auto translator = std::make_unique<QTranslator>();
  // qtbase holds everything a Widgets program shows of Qt's own.
  if (!translator->load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return nullptr;
  return translator;
}

std::unique_ptr<QTranslator> OwnEnglishTexts() {
  auto translator = std::make_unique<QTranslator>();
  return LoadEnglishTexts(*translator) ? std::move(translator) : nullptr;
}

}  // namespace

UiLanguage StoredUiLanguage() {
  const QString stored = ProgramSettings().value(LanguageKey).toString();
  if (stored == "en") return UiLanguage::English;
  if (stored == "system") return UiLanguage::System;
  return UiLanguage::German;
}

void StoreUiLanguage(UiLanguage language) {
  QSettings settings = ProgramSettings();
  switch (language) {
    case UiLanguage::German:
      settings.remove(LanguageKey);
      break;
    case UiLanguage::English:
      settings.setValue(LanguageKey, "en");
      break;
    case UiLanguage::System:
      settings.setValue(LanguageKey, "system");
      break;
  }
}

bool SpeaksEnglish(UiLanguage language) {
  if (language == UiLanguage::System) return QLocale::system().language() != QLocale::German;
  return language == UiLanguage::English;
}

void ApplyUiLanguage(UiLanguage language) {
  Translators& installed = Installed();
  const bool english = SpeaksEnglish(language);
  if (installed.applied && installed.english == english) return;
  installed.applied = true;
  installed.english = english;
  // Dates, numbers and the MIME database's type names follow the default locale.
  QLocale::setDefault(ProgramLocale());
  // The texts library asks the application's translators, as tr() does.
  SetTextLookup([](const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
  });
  // Each install or removal tells every widget; the last one leaves all in place.
  Remove(installed.ownEnglish);
  Remove(installed.qtGerman);
  if (english) {
    installed.ownEnglish = OwnEnglishTexts();
    if (installed.ownEnglish) QCoreApplication::installTranslator(installed.ownEnglish.get());
  } else {
    installed.qtGerman = QtGermanTexts();
    if (installed.qtGerman) QCoreApplication::installTranslator(installed.qtGerman.get());
  }
}

bool EnglishIsApplied() { return Installed().applied && Installed().english; }

QLocale ProgramLocale() {
  return EnglishIsApplied() ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(QLocale::German, QLocale::Germany);
}

void ForgetUiLanguage() {
  Translators& installed = Installed();
  Remove(installed.ownEnglish);
  Remove(installed.qtGerman);
  installed.applied = false;
  installed.english = false;
  SetTextLookup({});
}

}  // namespace tessmoor
