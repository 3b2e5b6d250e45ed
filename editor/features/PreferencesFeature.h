#pragma once
// Extras > Einstellungen and what it sets: the picture folders of the user's own
// (searched before the program's GFX/) and the backups kept per map. While the
// feature lives, the picture lookup knows the user's folders.

#include <QObject>

#include "editor/windows/SettingsDialog.h"

class QAction;
class QMainWindow;

namespace tessmoor {

class PreferencesFeature : public QObject {
  Q_OBJECT

 public:
  explicit PreferencesFeature(QMainWindow& window, TFrmSettings::FolderChooser chooseFolder = {});
  ~PreferencesFeature() override;

  // "Einstellungen...", for the window's Extras menu.
  QAction* Command() const { return ExtrasSettings; }
  // The settings are the program's, the same whatever map is shown.
  void ShowSettings();

 private:
  QMainWindow& window_;
  TFrmSettings::FolderChooser chooseFolder_;
  QAction* ExtrasSettings;
};

}  // namespace tessmoor
