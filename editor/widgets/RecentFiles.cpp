#include "editor/widgets/RecentFiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace tessmoor {

void RecentFiles::Add(const QString& path) {
  QStringList list = paths;
  list.prepend(path);
  SetPaths(list);
}

void RecentFiles::SetPaths(const QStringList& stored) {
  paths.clear();
  for (const QString& path : stored) {
    if (path.isEmpty() || paths.contains(path)) continue;
    paths.append(path);
    if (paths.size() == Capacity) break;
  }
}

void RecentFiles::FillMenu(QMenu* menu, const std::function<void(const QString&)>& open) const {
  menu->clear();
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths[i];
    // A path may hold '&', which would otherwise become a mnemonic.
    QString shown = QDir::toNativeSeparators(path);
    shown.replace('&', "&&");
    QAction* item = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    item->setEnabled(QFileInfo(path).isFile());
    QObject::connect(item, &QAction::triggered, menu, [open, path] { open(path); });
  }
  if (paths.isEmpty()) menu->addAction(QCoreApplication::translate("RecentFiles", "(leer)"))->setEnabled(false);
}

}  // namespace tessmoor
