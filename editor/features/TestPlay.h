#pragma once
// Test-play: one key from the map to the game. F10 compiles the map as it is
// in the editor into a folder of the run's own and starts the default profile's
// program with it; Shift+F10 does the same with the start moved to the selected
// cell. Without a profile the built-in 3D view is the game. This object owns
// its commands, the profiles dialog, the "Testlauf" window, the running program
// and its folder.

#include <QObject>
#include <QProcess>
#include <QStringDecoder>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/DialogLayer.h"
#include "app/TestProfile.h"
#include "app/TestRunFolder.h"
#include "compiler/CompileMap.h"
#include "edit/DocumentModel.h"
#include "editor/commands/FeatureContext.h"

class QAction;
class QMenu;
class QWidget;

namespace tessmoor {

class TFrmTestRun;

// What test-play needs of the editor around it. The map it tests is the one
// its command is handed when it runs.
struct TestPlayHost {
  QWidget* owner = nullptr;      // the main window: it owns the windows and the boxes
  const QWidget* map = nullptr;  // the owner's map view, below its bars
  // Saves the session's map as Speichern does; false when it was not saved.
  std::function<bool(EditorSession& session)> saveMap;
  // Shows a compile log in the compile window.
  std::function<void(const std::vector<std::string>& lines)> showCompileLog;
  // Opens the 3D view at the start position, or standing in the cell.
  std::function<void(const FeatureContext& context, std::optional<GridPoint> cell)> show3DView;
};

// The profiles as the settings file keeps them (app/TestProfileStore.h), taken
// over once from an earlier version's file; the list is normalized.
TestProfiles LoadTestProfiles();
void StoreTestProfiles(const TestProfiles& profiles);

class TestPlay : public QObject {
  Q_OBJECT

 public:
  explicit TestPlay(TestPlayHost host);
  // Ends a program still running and removes its folder.
  ~TestPlay() override;

  // "&Testen", "Ab &hier testen", "3D-Ansicht ab h&ier" and "&Testprofile...",
  // registered with what they run.
  void AddCommands(CommandRegistry& registry);

  bool IsRunning() const { return process_ != nullptr; }
  TFrmTestRun& RunWindow() { return *FrmTestRun; }

 private:
  static std::optional<GridPoint> SelectedCell(EditorSession& session);
  void EditProfiles(DialogLayer& dialogs);
  void Test(const FeatureContext& context, bool fromSelection);
  void View3DFromSelection(const FeatureContext& context);
  void Start(EditorSession& session, const TestProfile& profile, std::optional<GridPoint> cell);
  void ReadOutput();
  void Finished(int exitCode, QProcess::ExitStatus status);
  void EndRun();

  TestPlayHost host_;
  std::unique_ptr<MapCompiler> compiler_;  // made on first use: its tables are large
  QProcess* process_ = nullptr;
  std::unique_ptr<TestRunFolder> folder_;
  QStringDecoder decoder_;
  TFrmTestRun* FrmTestRun;
};

}  // namespace tessmoor
