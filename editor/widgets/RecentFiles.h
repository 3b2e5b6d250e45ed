#pragma once
// The maps opened or saved last, newest first, and the submenu that offers them.

#include <QString>
#include <QStringList>
#include <functional>

class QMenu;

namespace tessmoor {

class RecentFiles {
 public:
  static constexpr int Capacity = 8;

  // Puts `path` first, dropping an older entry for it and whatever falls past eight.
  void Add(const QString& path);
  // Takes a stored list as it is, cleaned of empty and repeated entries and cut to eight.
  void SetPaths(const QStringList& paths);
  const QStringList& Paths() const { return paths; }

  // Rebuilds `menu`: one numbered entry per map, disabled when the file is gone.
  void FillMenu(QMenu* menu, const std::function<void(const QString&)>& open) const;

 private:
  QStringList paths;
};

}  // namespace tessmoor
