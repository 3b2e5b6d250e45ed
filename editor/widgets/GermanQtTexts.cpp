#include "editor/widgets/GermanQtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tessmoor {

bool InstallGermanQtTexts(QCoreApplication& application) {
  // Dates, numbers and the MIME database's type names follow the default
  // locale, whatever the system's language is.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  auto* translator = new QTranslator(&application);
  // qtbase holds everything a Widgets program shows of Qt's own.
  if (!translator->load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace tessmoor
