// The main window's part in test-play: what the feature may use of the editor,
// and where its commands go in the menus and the registry.

#include <QMenuBar>

#include "editor/commands/CommandRegistry.h"
#include "editor/commands/MenuLayout.h"
#include "editor/features/CompileFeature.h"
#include "editor/features/FileFeature.h"
#include "editor/features/Preview3DFeature.h"
#include "editor/features/TestPlay.h"
#include "editor/main/EditorMainForm.h"

using namespace tessmoor;

void TFrmMain::CreateTestPlay(MenuLayout& menus) {
  TestPlayHost host;
  host.owner = this;
  host.map = &MapWidget();
  host.saveMap = [this](EditorSession& saved) { return files->Save(saved); };
  host.showCompileLog = [this](const std::vector<std::string>& lines) { compile->ShowLog(lines); };
  host.show3DView = [this](const FeatureContext& context, std::optional<GridPoint> cell) {
    preview3D->Show3DViewFrom(context, cell);
  };
  testPlay = std::make_unique<TestPlay>(std::move(host));
  testPlay->AddCommands(*registry);
  menus.InsertAfter("MnuFile", "FileCompile", {"FileTest", "FileTestFromHere"});
  menus.InsertAfter("MnuView", "View3D", {"View3DFromHere"});
  menus.InsertAfter("MnuExtras", {}, {"ExtrasTestProfiles"});
}
