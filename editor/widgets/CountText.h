#pragma once
// A number with its noun, in the singular for one: "1 Zelle", "3 Zellen",
// "0 Zellen". Every count the windows show goes through here. German "Fehler"
// is singular and plural, so the nouns are texts of two contexts: mark them at
// the call with QT_TRANSLATE_NOOP("CountTextSingular", "Zelle") and
// QT_TRANSLATE_NOOP("CountTextPlural", "Zellen").

#include <QCoreApplication>
#include <QString>

namespace tessmoor {

inline QString CountText(long long count, const char* one, const char* many) {
  return QString::number(count) + ' ' +
         (count == 1 ? QCoreApplication::translate("CountTextSingular", one)
                     : QCoreApplication::translate("CountTextPlural", many));
}

}  // namespace tessmoor
