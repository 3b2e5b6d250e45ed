// Commands act on the context they are handed when they run, never on a
// session they kept from their registration, and their enabled states follow
// every notice of the session without a menu opening.

#include <cstring>
#include <vector>

#include "document/MapFile.h"
#include "editor/commands/CommandRegistry.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {
namespace {

// Everything a command may change in a session, compared as a whole.
struct SessionState {
  std::vector<uint8_t> file;
  std::string fileName;
  bool modified, canUndo, canRedo;
  Selection selection;
  SurfaceKind layer;
  ToolMode tool;
  int zoom;
  bool heights, start;
  uint64_t clipboard;

  explicit SessionState(EditorSession& session)
      : file(MapFileBytes(session.Map())),
        fileName(session.Map().fileName),
        modified(session.Model().IsModified()),
        canUndo(session.Model().History().CanUndo()),
        canRedo(session.Model().History().CanRedo()),
        selection(session.Editor().selection),
        layer(session.Editor().currentLayer),
        tool(session.Editor().toolMode),
        zoom(session.MapView().zoomLevel),
        heights(session.MapView().overlays.heights),
        start(session.MapView().overlays.startPosition),
        clipboard(session.Editor().clipboard->generation) {}

  bool operator==(const SessionState& other) const {
    return file == other.file && fileName == other.fileName && modified == other.modified && canUndo == other.canUndo &&
           canRedo == other.canRedo && std::memcmp(&selection, &other.selection, sizeof(Selection)) == 0 &&
           layer == other.layer && tool == other.tool && zoom == other.zoom && heights == other.heights &&
           start == other.start && clipboard == other.clipboard;
  }
};

class CommandContextGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    other = std::make_unique<TFrmMain>(&dialogs, programDirectory);
    other->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(other.get()));
    for (EditorSession* session : Sessions()) {
      // Fill must have something to write that the map does not hold yet.
      session->Model().Replace([](MapDocument& document) {
        document.currentSlot = 0;
        document.paletteSlots[0].filled = true;
        document.paletteSlots[0].cell.floorHeight += 3.0f;
      });
    }
  }

  void TearDown() override {
    ActOn(*window);
    other.reset();
    MainWindowFixture::TearDown();
  }

  CommandRegistry& Registry() { return window->Commands(); }
  std::vector<EditorSession*> Sessions() { return {&window->Session(), &other->Session()}; }

  // The window's own commands, handed `shown`'s session, map view and window.
  void ActOn(TFrmMain& shown) {
    TFrmMain* target = &shown;
    CommandRegistry* registry = &Registry();
    Registry().SetContext([target, registry] {
      return FeatureContext{target->Session(), *registry, *target, target, &target->TextureTable()};
    });
  }

  std::unique_ptr<TFrmMain> other;
};

struct CommandRow {
  const char* id;
  // Run on both sessions before, so the command has the same to do in either.
  std::function<void(EditorSession&)> prepare{};
  // The answers the command's questions get.
  std::function<void()> answer{};
  // Triggered right after, for commands that finish in a second step.
  const char* then = nullptr;
};

// One registry, two sessions: every command that runs without a modal window
// is run once with each session as its context, and only that one changes.
TEST_F(CommandContextGuiTest, EveryCommandActsOnTheSessionOfItsContextAlone) {
  const auto select = [](CellRange range) {
    return [range](EditorSession& session) { session.Editing().Select(range); };
  };
  const auto edit = [](EditorSession& session) { session.Editing().Fill({20, 20, 20, 20}); };
  const auto answerNew = [this] {
    dialogs.saveAnswers.push_back(SaveChangesAnswer::No);
    dialogs.newMapAnswers.push_back(NewMapKind::EraseAll);
  };
  int saved = 0;
  const auto saveAs = [this, &saved] {
    dialogs.saveAsAnswers.push_back(MapPath(("karte" + std::to_string(++saved) + ".tmm").c_str()));
  };
  const auto open = [this] {
    dialogs.saveAnswers.push_back(SaveChangesAnswer::No);
    dialogs.openAnswers.push_back(MapPath("karte1.tmm"));
  };
  const std::vector<CommandRow> rows = {
      {"EditFill", select({1, 1, 3, 3})},
      {"EditCopy", select({0, 0, 4, 4})},
      {"EditPaste", select({8, 8, 8, 8})},
      {"EditPastePreview", select({12, 12, 12, 12}), {}, "PlaceHere"},
      {"EditUndo", {}},
      {"EditRedo", {}},
      {"EditBrush", {}},
      {"EditRectangle", {}},
      {"ViewFloor", {}},
      {"ViewCeiling", {}},
      {"ViewPedestalFloor", {}},
      {"ViewPedestalCeiling", {}},
      {"ViewWall", {}},
      {"ViewZoomOut", {}},
      {"ViewZoomIn", {}},
      {"ViewZoomWhole", {}},
      {"ViewZoomReset", {}},
      {"ViewHeights", {}},
      {"ViewStartPosition", {}},
      {"FileSaveAs", {}, saveAs},
      {"FileSave", edit},
      {"FileNew", {}, answerNew},
      {"FileOpen", {}, open},
      {"FileCompile", edit},
  };
  for (const CommandRow& row : rows) {
    for (TFrmMain* acting : {other.get(), window.get()}) {
      TFrmMain* resting = acting == window.get() ? other.get() : window.get();
      for (EditorSession* session : Sessions())
        if (row.prepare) row.prepare(*session);
      if (row.answer) row.answer();
      const SessionState restingBefore(resting->Session());
      const SessionState actingBefore(acting->Session());
      ActOn(*acting);
      QAction* action = Registry().Action(row.id);
      ASSERT_NE(action, nullptr) << row.id;
      EXPECT_TRUE(action->isEnabled()) << row.id;
      action->trigger();
      if (row.then) Registry().Action(row.then)->trigger();
      const bool actingWindow = acting == window.get();
      EXPECT_TRUE(SessionState(resting->Session()) == restingBefore)
          << row.id << " changed the session it was not handed (" << (actingWindow ? "second" : "own") << ")";
      EXPECT_FALSE(SessionState(acting->Session()) == actingBefore)
          << row.id << " left the session it was handed as it was (" << (actingWindow ? "own" : "second") << ")";
    }
  }
}

// A copy through the editing interface, as a script makes one, lets the paste
// keys work at once: no menu has to open first.
TEST_F(CommandContextGuiTest, PasteIsEnabledByACopyThroughTheEditingInterface) {
  QAction* paste = Registry().Action("EditPaste");
  QAction* preview = Registry().Action("EditPastePreview");
  MapEditing& editing = window->Session().Editing();
  ASSERT_TRUE(editing.Fill({2, 2, 2, 2}).Ok());
  EXPECT_FALSE(paste->isEnabled());
  ASSERT_TRUE(editing.Copy({2, 2, 2, 2}).Ok());
  EXPECT_TRUE(paste->isEnabled());
  EXPECT_TRUE(preview->isEnabled());
  // The key works on the state the notice gave.
  editing.Select({30, 30, 30, 30});
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->FocusMap();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_TRUE(SameCell(Document().Cell(30, 30), Document().Cell(2, 2)));
  EXPECT_FALSE(SameCell(Document().Cell(30, 30), Document().Cell(31, 31)));
}

}  // namespace
}  // namespace tessmoor
