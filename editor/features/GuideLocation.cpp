#include "editor/features/GuideLocation.h"

#include <QDir>
#include <QFileInfo>

namespace tessmoor {

QUrl GuideUrl(const QString& programFolder, bool english) {
  const QDir folder(programFolder);
  const QString language = english ? "en" : "de";
  const QString installed = QString("../share/doc/%1/html/%2/index.html").arg(GuidePackageName, language);
  const QString built = QString("docs/%1/index.md").arg(language);
  for (const QString& candidate : {installed, built}) {
    const QFileInfo page(folder.filePath(candidate));
    if (page.isFile()) return QUrl::fromLocalFile(QDir::cleanPath(page.absoluteFilePath()));
  }
  return {};
}

}  // namespace tessmoor
