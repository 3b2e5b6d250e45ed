#pragma once
// A number with its noun, in the singular for one: "1 Zelle", "3 Zellen",
// "0 Zellen". Every count the windows show goes through here. The nouns are
// texts of the context "CountText", told apart as "singular" and "plural" (German
// "Fehler" is both): mark them at the call with
// QT_TRANSLATE_NOOP3("CountText", "Zelle", "singular") and
// QT_TRANSLATE_NOOP3("CountText", "Zellen", "plural").

#include <QCoreApplication>
#include <QString>

namespace tessmoor {

inline QString CountText(long long count, const char* one, const char* many) {
  return QString::number(count) + ' ' +
         (count == 1 ? QCoreApplication::translate("CountText", one, "singular")
                     : QCoreApplication::translate("CountText", many, "plural"));
}

}  // namespace tessmoor
