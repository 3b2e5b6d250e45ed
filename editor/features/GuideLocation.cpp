#include "editor/features/GuideLocation.h"

#include <QDir>
#include <QFileInfo>

namespace tessmoor {

QUrl GuideUrl(const QString& programFolder, bool english) {
  const QDir folder(programFolder);
  const QString installed = QString("../share/doc/%1/html/%2index.html").arg(GuidePackageName, english ? "en/" : "");
  const QString built = QString("docs/%1/index.md").arg(english ? "en" : "de");
  for (const QString& candidate : {installed, built}) {
    const QFileInfo page(folder.filePath(candidate));
    if (page.isFile()) return QUrl::fromLocalFile(QDir::cleanPath(page.absoluteFilePath()));
  }
  return {};
}

}  // namespace tessmoor
