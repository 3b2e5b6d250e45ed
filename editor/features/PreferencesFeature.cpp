#include "editor/features/PreferencesFeature.h"

#include <QAction>
#include <QMainWindow>

#include "document/PictureFolders.h"
#include "editor/widgets/UserSettings.h"

namespace tessmoor {

PreferencesFeature::PreferencesFeature(QMainWindow& window, TFrmSettings::FolderChooser chooseFolder)
    : QObject(&window), window_(window), chooseFolder_(std::move(chooseFolder)) {
  ApplyPictureFolders();
  // The window puts it into its Extras menu.
  ExtrasSettings = new QAction("&Einstellungen...", this);
  ExtrasSettings->setObjectName("ExtrasSettings");
}

void PreferencesFeature::ShowSettings() {
  TFrmSettings settings(&window_, chooseFolder_);
  settings.exec();
}

PreferencesFeature::~PreferencesFeature() {
  // Pictures loaded without an editor (tests, tools in the same process) see the program's GFX/ alone again.
  SetUserPictureFolders({});
}

}  // namespace tessmoor
