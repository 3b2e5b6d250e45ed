#include "app/EditorSession.h"

#include "view/MapView.h"

namespace tessmoor {

EditorSession::EditorSession(const std::string& programDirectory)
    : files_(std::make_unique<FileWorkflow>(model_, editor_, dialogs_)) {
  editor_.programDirectory = programDirectory;
  editor_.currentLayer = SurfaceKind::Wall;
  editor_.toolMode = ToolMode::Select;
  editor_.hoverCell = {-1, -1};
  model_.Replace([this](MapDocument& document) { ResetDocument(document, editor_, true); });
}

EditorSession::~EditorSession() = default;

void EditorSession::UseFileOps(FileOps& ops) {
  files_ = std::make_unique<FileWorkflow>(model_, editor_, dialogs_, ops);
}

bool EditorSession::LoadAssets() { return LoadCellSymbols(editor_); }

}  // namespace tessmoor
