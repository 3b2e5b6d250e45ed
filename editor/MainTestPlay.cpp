// The main window's part in test-play: what the feature may use of the editor,
// and where its commands go in the menus.

#include <QMenuBar>

#include "editor/EditorCompileForm.h"
#include "editor/EditorMainForm.h"
#include "editor/TestPlay.h"

namespace {

// The menu after "Ansicht" that holds the tools around the map.
QMenu* ExtrasMenu(QMenuBar* bar) {
  if (auto* existing = bar->findChild<QMenu*>("MnuExtras")) return existing;
  QMenu* extras = bar->addMenu("E&xtras");
  extras->setObjectName("MnuExtras");
  return extras;
}

// The item after `anchor` in `menu`; null at the end.
QAction* ItemAfter(QMenu* menu, QAction* anchor) {
  const QList<QAction*> items = menu->actions();
  const qsizetype at = items.indexOf(anchor);
  return at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr;
}

}  // namespace

void TFrmMain::CreateTestPlay() {
  tessmoor::TestPlayHost host;
  host.owner = this;
  host.model = model.get();
  host.editor = editor.get();
  host.dialogs = &dialogs;
  host.saveMap = [this] {
    const bool saved = commands->SaveDocument();
    if (saved) RememberCurrentFile();
    return saved;
  };
  host.showCompileLog = [this](const std::vector<std::string>& lines) {
    FrmCompile->ClearLog();
    FrmCompile->show();
    FrmCompile->raise();
    for (const std::string& line : lines) FrmCompile->AddLogLine(line);
  };
  host.show3DView = [this](std::optional<GridPoint> cell) { Show3DViewFrom(cell); };
  testPlay = new tessmoor::TestPlay(std::move(host));
  testPlay->AddToMenus(MnuFile, ItemAfter(MnuFile, FileCompile), MnuView, ItemAfter(MnuView, View3D),
                       ExtrasMenu(menuBar()));
}
