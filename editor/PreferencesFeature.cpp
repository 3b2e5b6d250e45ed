#include "editor/PreferencesFeature.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "document/PictureFolders.h"
#include "editor/UserSettings.h"

namespace tessmoor {

namespace {

QMenu* ExtrasMenu(QMainWindow& window) {
  if (auto* extras = window.menuBar()->findChild<QMenu*>("MnuExtras")) return extras;
  auto* extras = new QMenu("E&xtras", window.menuBar());
  extras->setObjectName("MnuExtras");
  // After Ansicht, or last when the window has no such menu.
  QAction* before = nullptr;
  const QList<QAction*> menus = window.menuBar()->actions();
  for (qsizetype i = 0; i + 1 < menus.size(); ++i) {
    if (menus[i]->menu() && menus[i]->menu()->objectName() == "MnuView") before = menus[i + 1];
  }
  window.menuBar()->insertMenu(before, extras);
  return extras;
}

}  // namespace

PreferencesFeature::PreferencesFeature(QMainWindow& window, TFrmSettings::FolderChooser chooseFolder)
    : QObject(&window), window_(window), chooseFolder_(std::move(chooseFolder)) {
  ApplyPictureFolders();
  ExtrasSettings = ExtrasMenu(window)->addAction("&Einstellungen...");
  ExtrasSettings->setObjectName("ExtrasSettings");
  connect(ExtrasSettings, &QAction::triggered, this, [this] {
    TFrmSettings settings(&window_, chooseFolder_);
    settings.exec();
  });
}

PreferencesFeature::~PreferencesFeature() {
  // Pictures loaded without an editor (tests, tools in the same process) see the program's GFX/ alone again.
  SetUserPictureFolders({});
}

}  // namespace tessmoor
