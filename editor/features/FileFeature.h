#pragma once
// Datei: Neu, Öffnen, Speichern, Speichern unter, Zuletzt geöffnet and Beenden.
// The work itself is the session's file work-flow; this adds the menu items and
// the list of recent maps, which every successful open or save extends.

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>

#include "editor/commands/FeatureContext.h"

class QMenu;

namespace tessmoor {

class RecentFiles;

class FileFeature : public QObject {
  Q_OBJECT

 public:
  explicit FileFeature(const FeatureContext& context);
  ~FileFeature() override;

  // The submenu of recent maps, for the Datei menu.
  QMenu* RecentMenu() const { return MnuRecent; }
  // Saves under the current name (asking for one when untitled); true on success.
  bool Save(EditorSession& session);
  // Loads `path` in place of the current map, as Open does once a file is chosen.
  bool Open(const std::string& path);
  // From now on the recent maps are read from and written to the settings.
  void UseSettings(const QString& organization, const QString& application);
  QStringList RecentPaths() const;

 private:
  void OpenRecentFile(const QString& path);
  void RememberFile(const EditorSession& session);
  void FillRecentMenu();
  void WriteRecentPaths();

  FeatureContext context_;
  std::unique_ptr<RecentFiles> recentFiles_;
  QMenu* MnuRecent;
  QString organization_;
  QString application_;
  // Writing the settings file costs more than opening the sample map, so the
  // list is written a moment after an open (and on close, with the other settings).
  QTimer recentWrite_;
};

}  // namespace tessmoor
