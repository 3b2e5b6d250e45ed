// What the main window remembers between runs: its geometry, the zoom, the
// layer, and the recent maps (with their Datei submenu).

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>

#include "editor/EditorMainForm.h"
#include "editor/RecentFiles.h"
#include "view/Zoom.h"

namespace tessmoor {

namespace {

// The program sets only its application name; it then names the folder too.
QString OrganizationName() {
  const QString organization = QCoreApplication::organizationName();
  return organization.isEmpty() ? QCoreApplication::applicationName() : organization;
}

const char* const GeometryKey = "Fenster/Geometrie";
const char* const ZoomKey = "Ansicht/Zoom";
const char* const LayerKey = "Ansicht/Ebene";
const char* const RecentKey = "Zuletzt";

}  // namespace

void TFrmMain::BuildRecentMenu() {
  MnuRecent = new QMenu("&Zuletzt geöffnet", MnuFile);
  MnuRecent->setObjectName("MnuRecent");
  MnuFile->insertMenu(FileCompile, MnuRecent)->setObjectName("FileRecent");
  MnuFile->insertSeparator(FileCompile);
  recentFiles = std::make_unique<RecentFiles>();
  // Files come and go while the program runs; the submenu is filled when it opens.
  connect(MnuRecent, &QMenu::aboutToShow, this, &TFrmMain::FillRecentMenu);
  FillRecentMenu();
}

void TFrmMain::FillRecentMenu() {
  recentFiles->FillMenu(MnuRecent, [this](const QString& path) { OpenRecentFile(path); });
}

void TFrmMain::OpenRecentFile(const QString& path) {
  if (model->IsModified() && !commands->AskSaveChanges()) return;
  if (commands->LoadDocument(path.toStdString())) RememberCurrentFile();
}

void TFrmMain::RememberCurrentFile() {
  if (model->Map().IsUntitled()) return;
  recentFiles->Add(QString::fromStdString(model->Map().fileName));
  FillRecentMenu();
  if (rememberSettings)
    QSettings(OrganizationName(), QCoreApplication::applicationName()).setValue(RecentKey, recentFiles->Paths());
}

void TFrmMain::RestoreSettings() {
  rememberSettings = true;
  const QSettings settings(OrganizationName(), QCoreApplication::applicationName());
  recentFiles->SetPaths(settings.value(RecentKey).toStringList());
  FillRecentMenu();
  if (settings.contains(GeometryKey)) restoreGeometry(settings.value(GeometryKey).toByteArray());
  const int layer = settings.value(LayerKey, static_cast<int>(editor->currentLayer)).toInt();
  for (QAction* item : ViewLayers->actions()) {
    if (item->data().toInt() == layer) item->trigger();
  }
  ZoomTo(settings.value(ZoomKey, DefaultZoomLevel).toInt(), QPoint(0, 0));
}

void TFrmMain::StoreSettings() {
  if (!rememberSettings) return;
  QSettings settings(OrganizationName(), QCoreApplication::applicationName());
  settings.setValue(GeometryKey, saveGeometry());
  settings.setValue(ZoomKey, zoomLevel);
  settings.setValue(LayerKey, static_cast<int>(editor->currentLayer));
  settings.setValue(RecentKey, recentFiles->Paths());
}

}  // namespace tessmoor
