#include "editor/features/PreferencesFeature.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>

#include "document/PictureFolders.h"
#include "editor/widgets/LanguageChange.h"
#include "editor/widgets/UserSettings.h"

namespace tessmoor {

namespace {

const char* const SettingsText = QT_TRANSLATE_NOOP("Befehle", "&Einstellungen...");

}  // namespace

PreferencesFeature::PreferencesFeature(QMainWindow& window, TFrmSettings::FolderChooser chooseFolder)
    : QObject(&window), window_(window), chooseFolder_(std::move(chooseFolder)) {
  ApplyPictureFolders();
  // The window puts it into its Extras menu.
  ExtrasSettings = new QAction(this);
  ExtrasSettings->setObjectName("ExtrasSettings");
  const auto retranslate = [this] { ExtrasSettings->setText(QCoreApplication::translate("Befehle", SettingsText)); };
  retranslate();
  OnLanguageChange(this, retranslate);
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
