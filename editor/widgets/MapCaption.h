#pragma once
// How a map's name is shown in captions and tabs. A map without a file is
// stored as "Unbenannt.tmm" in every language; shown, that name is a text.

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <string_view>

#include "document/MapDocument.h"

namespace tessmoor {

inline constexpr const char* UntitledCaption = QT_TRANSLATE_NOOP("MapCaption", "Unbenannt.tmm");
static_assert(std::string_view(UntitledCaption) == UntitledName);

// The map's path as the user sees it: the translated name for a map without a file.
inline QString ShownMapPath(const MapDocument& map) {
  if (map.IsUntitled()) return QCoreApplication::translate("MapCaption", UntitledCaption);
  return QFile::decodeName(QByteArray::fromStdString(map.fileName));
}

// The main window's caption, "Tessmoor Editor - <path>".
inline QString MainWindowCaption(const MapDocument& map) {
  return QCoreApplication::translate("MapCaption", "Tessmoor Editor - %1").arg(ShownMapPath(map));
}

}  // namespace tessmoor
