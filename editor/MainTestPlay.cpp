// The main window's part in test-play: what the feature may use of the editor,
// and where its commands go in the menus and the registry.

#include <QMenuBar>

#include "editor/EditorMainForm.h"
#include "editor/TestPlay.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/features/CompileFeature.h"
#include "editor/features/FileFeature.h"
#include "editor/features/Preview3DFeature.h"

using namespace tessmoor;

namespace {

// The item after `anchor` in `menu`; null at the end.
QAction* ItemAfter(QMenu* menu, QAction* anchor) {
  const QList<QAction*> items = menu->actions();
  const qsizetype at = items.indexOf(anchor);
  return at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr;
}

}  // namespace

void TFrmMain::CreateTestPlay() {
  TestPlayHost host;
  host.owner = this;
  host.model = &session.Model();
  host.editor = &session.Editor();
  host.dialogs = &session.Dialogs();
  host.saveMap = [this] { return files->Save(); };
  host.showCompileLog = [this](const std::vector<std::string>& lines) { compile->ShowLog(lines); };
  host.show3DView = [this](std::optional<GridPoint> cell) { preview3D->Show3DViewFrom(cell); };
  testPlay = std::make_unique<TestPlay>(std::move(host));
  auto* fileMenu = menuBar()->findChild<QMenu*>("MnuFile");
  auto* viewMenu = menuBar()->findChild<QMenu*>("MnuView");
  auto* extrasMenu = menuBar()->findChild<QMenu*>("MnuExtras");
  testPlay->AddToMenus(fileMenu, ItemAfter(fileMenu, registry->Action("FileCompile")), viewMenu,
                       ItemAfter(viewMenu, registry->Action("View3D")), extrasMenu);
  for (const char* id : {"FileTest", "FileTestFromHere"}) registry->Adopt({{}, {}, "&Datei"}, findChild<QAction*>(id));
  registry->Adopt({{}, {}, "&Ansicht"}, findChild<QAction*>("View3DFromHere"));
  registry->Adopt({{}, {}, "E&xtras"}, findChild<QAction*>("ExtrasTestProfiles"));
}
