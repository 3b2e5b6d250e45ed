// What the main window remembers between runs: its geometry, the zoom, the
// layer, the recent maps and the user's own keys.

#include "editor/main/EditorMainForm.h"
#include "editor/widgets/ProgramSettings.h"
#include "editor/features/StampFeature.h"
#include "editor/features/TextureBrowserFeature.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/features/FileFeature.h"
#include "editor/features/ViewFeature.h"
#include "view/Zoom.h"

namespace tessmoor {

namespace {

const char* const GeometryKey = "Fenster/Geometrie";
const char* const ZoomKey = "Ansicht/Zoom";
const char* const LayerKey = "Ansicht/Ebene";
const char* const RecentKey = "Zuletzt";

}  // namespace

void TFrmMain::RestoreSettings() {
  rememberSettings = true;
  registry->UseSettings(SettingsOrganization(), SettingsApplication());
  files->UseSettings(SettingsOrganization(), SettingsApplication());
  const QSettings settings = ProgramSettings();
  // A tab's place is its window's, which keeps it.
  if (isWindow() && settings.contains(GeometryKey)) restoreGeometry(settings.value(GeometryKey).toByteArray());
  view->ShowLayer(settings.value(LayerKey, static_cast<int>(session.Editor().currentLayer)).toInt());
  ZoomTo(settings.value(ZoomKey, DefaultZoomLevel).toInt(), QPoint(0, 0));
  stampFeature->RestoreSettings();
  textureBrowser->RestoreSettings();
}

void TFrmMain::ReloadSharedSettings() {
  if (!rememberSettings) return;
  registry->UseSettings(SettingsOrganization(), SettingsApplication());
  files->UseSettings(SettingsOrganization(), SettingsApplication());
}

void TFrmMain::StoreSettings() {
  if (!rememberSettings) return;
  QSettings settings = ProgramSettings();
  if (isWindow()) settings.setValue(GeometryKey, saveGeometry());
  settings.setValue(ZoomKey, session.MapView().zoomLevel);
  settings.setValue(LayerKey, static_cast<int>(session.Editor().currentLayer));
  settings.setValue(RecentKey, files->RecentPaths());
}

}  // namespace tessmoor
