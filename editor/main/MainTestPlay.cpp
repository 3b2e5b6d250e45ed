// The main window's part in test-play: what the feature may use of the editor,
// and where its commands go in the menus and the registry.

#include <QMenuBar>

#include "editor/main/EditorMainForm.h"
#include "editor/features/TestPlay.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/commands/MenuLayout.h"
#include "editor/features/CompileFeature.h"
#include "editor/features/FileFeature.h"
#include "editor/features/Preview3DFeature.h"

using namespace tessmoor;

void TFrmMain::CreateTestPlay(MenuLayout& menus) {
  TestPlayHost host;
  host.owner = this;
  host.map = &MapWidget();
  host.model = &session.Model();
  host.editor = &session.Editor();
  host.dialogs = &session.Dialogs();
  host.saveMap = [this] { return files->Save(); };
  host.showCompileLog = [this](const std::vector<std::string>& lines) { compile->ShowLog(lines); };
  host.show3DView = [this](std::optional<GridPoint> cell) { preview3D->Show3DViewFrom(cell); };
  testPlay = std::make_unique<TestPlay>(std::move(host));
  for (QAction* command : testPlay->Commands()) {
    const QString id = command->objectName();
    registry->Adopt({{},
                     {},
                     id == "View3DFromHere"       ? "&Ansicht"
                     : id == "ExtrasTestProfiles" ? "E&xtras"
                                                  : "&Datei"},
                    command);
  }
  menus.InsertAfter("MnuFile", "FileCompile", {"FileTest", "FileTestFromHere"});
  menus.InsertAfter("MnuView", "View3D", {"View3DFromHere"});
  menus.InsertAfter("MnuExtras", {}, {"ExtrasTestProfiles"});
}
