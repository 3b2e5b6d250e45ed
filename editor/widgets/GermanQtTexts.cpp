#include "editor/widgets/GermanQtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "editor/widgets/UiLanguage.h"

namespace tessmoor {

bool InstallGermanQtTexts(QCoreApplication&) {
  ApplyUiLanguage(UiLanguage::German);
  // Qt's German texts come from Debian's translations package; without it
  // Qt's own texts stay English.
  QTranslator probe;
  return probe.load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace tessmoor
