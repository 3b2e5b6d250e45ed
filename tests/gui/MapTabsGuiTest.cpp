// Several maps in one window, driven with the keys a person presses: random
// work on two tabs against a replay of the same work in the core, the close
// question for every changed map, maps dropped on the window, and every map
// of an editor that died offered back in a tab of its own.

#include <sys/wait.h>
#include <unistd.h>

#include <QMimeData>
#include <QStackedWidget>
#include <QTabBar>
#include <QUrl>
#include <filesystem>
#include <random>

#include "app/RecoveryOffer.h"
#include "document/MapFile.h"
#include "document/RecoveryFolder.h"
#include "edit/CellBlocks.h"
#include "editor/main/MapTabsWindow.h"
#include "gui/MainWindowFixture.h"
#include "gui/MapTabsFixture.h"
#include "support/TempDir.h"
#include "view/SelectionKeys.h"

namespace tessmoor {
namespace {

class MapTabsGuiTest : public MapTabsFixture {
 protected:
  QTabBar& Bar() { return *tabs->findChild<QTabBar*>("TabMaps"); }
};

// What the core makes of the same keys: a model and editor state per map, one
// clipboard for both, as the window's tabs share one.
struct Replay {
  struct Map {
    DocumentModel model;
    EditorState editor;
  };

  Replay(const std::vector<std::string>& paths, const std::string& programDirectory) {
    for (const std::string& path : paths) {
      auto map = std::make_unique<Map>();
      map->editor.programDirectory = programDirectory;
      map->editor.clipboard = clipboard;
      map->model.Replace([&](MapDocument& document) {
        ResetDocument(document, map->editor, true);
        EXPECT_TRUE(LoadMap(document, path, MapLoadOptions{programDirectory, true}).ok);
        document.fileName = path;
      });
      maps.push_back(std::move(map));
    }
  }

  std::shared_ptr<CellClipboard> clipboard = std::make_shared<CellClipboard>();
  std::vector<std::unique_ptr<Map>> maps;
  int current = 1;
};

// The arrow key's move as the core works it out, with its selection and view taken over.
void Arrow(EditorState& editor, const ViewGeometry& view, CellStep step) {
  const ToolResponse moved = MoveSelectionByKey(editor, view, step);
  editor.selection = *moved.session.selection;
  editor.viewOrigin = *moved.viewOrigin;
}

struct Key {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* name;
};

TEST_F(MapTabsGuiTest, RandomKeysOnTwoMapsActOnTheCurrentOneAsTheCoreDoes) {
  const std::vector<std::string> paths = {SampleCopy("Sample.tmm", "Eins.tmm"),
                                          SampleCopy("Courtyard.tmm", "Zwei.tmm")};
  ASSERT_TRUE(tabs->Current().OpenMapFile(paths[0]));
  ASSERT_TRUE(tabs->OpenInNewTab(paths[1]));
  Replay replay(paths, programDirectory.toStdString());
  for (int i = 0; i < 2; ++i) replay.maps[size_t(i)]->editor.currentLayer = tabs->Tab(i).Editor().currentLayer;

  const std::vector<Key> keys = {
      {Qt::Key_Tab, Qt::ControlModifier, "Ctrl+Tab"},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Tab"},
      {Qt::Key_Right, {}, "Right"},
      {Qt::Key_Down, {}, "Down"},
      {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
      {Qt::Key_Down, Qt::ShiftModifier, "Shift+Down"},
      {Qt::Key_Insert, {}, "Insert"},
      {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
      {Qt::Key_Delete, Qt::ShiftModifier, "Shift+Delete"},
      {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
      {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
      {Qt::Key_F1, Qt::ControlModifier, "Ctrl+F1"},
      {Qt::Key_F3, Qt::ControlModifier, "Ctrl+F3"},
  };
  std::mt19937 random(29);
  std::string trail;
  for (int step = 0; step < 160; ++step) {
    const Key& key = keys[random() % keys.size()];
    trail += std::string(key.name) + " ";
    SCOPED_TRACE(trail);
    Replay::Map& map = *replay.maps[size_t(replay.current)];
    const ViewGeometry view = tabs->Current().Geometry();
    Press(key.key, key.modifiers);
    switch (key.key) {
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
        replay.current = 1 - replay.current;
        break;
      case Qt::Key_Right:
        Arrow(map.editor, view, {1, 0, false});
        break;
      case Qt::Key_Down:
        Arrow(map.editor, view, {0, 1, key.modifiers != Qt::NoModifier});
        break;
      case Qt::Key_Left:
        Arrow(map.editor, view, {-1, 0, true});
        break;
      case Qt::Key_Insert:
        FillSelection(map.model, map.editor);
        break;
      case Qt::Key_C:
        CopySelection(map.model.Map(), map.editor);
        break;
      case Qt::Key_Delete:
        PasteClipboard(map.model, map.editor);
        break;
      case Qt::Key_Z:
        map.model.Undo();
        break;
      case Qt::Key_Y:
        map.model.Redo();
        break;
      case Qt::Key_F1:
        map.editor.currentLayer = SurfaceKind::Floor;
        break;
      case Qt::Key_F3:
        map.editor.currentLayer = SurfaceKind::Wall;
        break;
      default:
        break;
    }
    ASSERT_TRUE(dialogs.log.empty()) << dialogs.log.front();
    ASSERT_EQ(tabs->CurrentIndex(), replay.current);
    ASSERT_EQ(tabs->windowTitle().toStdString(), Caption(tabs->Current().Document()));
    for (int i = 0; i < 2; ++i) {
      TFrmMain& tab = tabs->Tab(i);
      const Replay::Map& expected = *replay.maps[size_t(i)];
      ASSERT_TRUE(MapFileBytes(tab.Document()) == MapFileBytes(expected.model.Map())) << "tab " << i;
      const Selection& shown = tab.Editor().selection;
      const Selection& replayed = expected.editor.selection;
      ASSERT_TRUE(shown.x1 == replayed.x1 && shown.y1 == replayed.y1 && shown.x2 == replayed.x2 &&
                  shown.y2 == replayed.y2)
          << "tab " << i;
      ASSERT_EQ(tab.Editor().currentLayer, expected.editor.currentLayer) << "tab " << i;
      ASSERT_EQ(tab.Model().History().CanUndo(), expected.model.History().CanUndo()) << "tab " << i;
      ASSERT_EQ(tab.Model().IsModified(), expected.model.IsModified()) << "tab " << i;
      // Only the current tab's map view is on the screen, and only its windows.
      ASSERT_EQ(tab.isVisible(), i == replay.current);
    }
  }
  // F2 in each tab saves that tab's map, and only that one.
  for (int i = 0; i < 2; ++i) {
    tabs->SetCurrent(i);
    Press(Qt::Key_F2);
    ASSERT_TRUE(ReadFileBytes(paths[size_t(i)]) == MapFileBytes(replay.maps[size_t(i)]->model.Map())) << "tab " << i;
  }
}

TEST_F(MapTabsGuiTest, ClosingAsksOnceForEachChangedMapAndCancelKeepsThemAll) {
  const std::vector<std::string> paths = {SampleCopy("Sample.tmm", "Eins.tmm"), SampleCopy("Courtyard.tmm", "Zwei.tmm"),
                                          SampleCopy("Sample.tmm", "Drei.tmm")};
  ASSERT_TRUE(tabs->Current().OpenMapFile(paths[0]));
  for (size_t i = 1; i < paths.size(); ++i) ASSERT_TRUE(tabs->OpenInNewTab(paths[i]));
  // The first and the last have changes; the middle one has none and is not asked about.
  for (int i : {0, 2}) {
    tabs->SetCurrent(i);
    Press(Qt::Key_Insert);
    ASSERT_TRUE(tabs->Tab(i).Model().IsModified());
  }
  ASSERT_EQ(Bar().tabText(0), "Eins.tmm *");
  ASSERT_EQ(Bar().tabText(1), "Zwei.tmm");

  // Nein for the first, Abbrechen for the last: the window stays with all three, unsaved.
  dialogs.saveAnswers = {SaveChangesAnswer::No, SaveChangesAnswer::Cancel};
  EXPECT_FALSE(tabs->close());
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"ask-save", "ask-save"}));
  EXPECT_TRUE(tabs->isVisible());
  ASSERT_EQ(tabs->TabCount(), 3);
  EXPECT_EQ(tabs->CurrentIndex(), 2) << "the map asked about is the one shown";
  for (int i : {0, 2}) EXPECT_TRUE(tabs->Tab(i).Model().IsModified());
  EXPECT_TRUE(ReadFileBytes(paths[0]) == ReadFileBytes(std::string(TM_BIN_DIR) + "/Maps/Sample.tmm"));

  // Ja saves the first, Nein leaves the last: the window closes.
  dialogs.log.clear();
  dialogs.saveAnswers = {SaveChangesAnswer::Yes, SaveChangesAnswer::No};
  EXPECT_TRUE(tabs->close());
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"ask-save", "ask-save"}));
  EXPECT_TRUE(ReadFileBytes(paths[0]) == MapFileBytes(tabs->Tab(0).Document()));
  EXPECT_TRUE(ReadFileBytes(paths[2]) == ReadFileBytes(std::string(TM_BIN_DIR) + "/Maps/Sample.tmm"));
}

TEST_F(MapTabsGuiTest, TabKeysOpenCloseAndKeepEachMapsWindowsToItself) {
  const std::string path = SampleCopy("Sample.tmm", "Eins.tmm");
  // Ctrl+T: a new, untitled map; Ctrl+Shift+O asks for a map and opens it beside.
  Press(Qt::Key_T, Qt::ControlModifier);
  ASSERT_EQ(tabs->TabCount(), 2);
  EXPECT_TRUE(tabs->Current().Document().IsUntitled());
  dialogs.openAnswers = {path, std::nullopt};
  Press(Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_EQ(tabs->TabCount(), 3);
  EXPECT_EQ(tabs->Current().Document().fileName, path);
  EXPECT_EQ(tabs->windowTitle().toStdString(), Caption(tabs->Current().Document()));
  // A cancelled choice leaves no tab behind.
  Press(Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(tabs->TabCount(), 3);
  EXPECT_EQ(tabs->CurrentIndex(), 2);
  // Opening a map that is open already shows its tab.
  EXPECT_TRUE(tabs->OpenInNewTab(path));
  EXPECT_EQ(tabs->TabCount(), 3);

  // F7 shows this map's properties window; another tab hides it and brings it back on return.
  Press(Qt::Key_F7);
  QWidget* properties = tabs->Current().findChild<QWidget*>("FrmProperties");
  ASSERT_NE(properties, nullptr);
  ASSERT_TRUE(properties->isVisible());
  Press(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs->CurrentIndex(), 0);
  EXPECT_FALSE(properties->isVisible());
  // A window manager activates the main window when the active tool window goes.
  QApplication::setActiveWindow(tabs.get());
  Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(tabs->CurrentIndex(), 2);
  EXPECT_TRUE(properties->isVisible());

  // Ctrl+W closes the current tab after the question; the last tab stays.
  QApplication::setActiveWindow(tabs.get());
  tabs->Current().FocusMap();
  Press(Qt::Key_Insert);
  dialogs.saveAnswers = {SaveChangesAnswer::Cancel, SaveChangesAnswer::No};
  Press(Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(tabs->TabCount(), 3);
  Press(Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(tabs->TabCount(), 2);
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"open", "open", "ask-save", "ask-save"}));
  Press(Qt::Key_W, Qt::ControlModifier);
  Press(Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(tabs->TabCount(), 1);
  EXPECT_TRUE(Bar().isHidden()) << "one map shows no tab bar";
}

TEST_F(MapTabsGuiTest, DraggedTabsKeepTheirMapsAndCtrlTabFollowsTheNewOrder) {
  const std::vector<std::string> paths = {SampleCopy("Sample.tmm", "Eins.tmm"), SampleCopy("Courtyard.tmm", "Zwei.tmm"),
                                          SampleCopy("Sample.tmm", "Drei.tmm")};
  ASSERT_TRUE(tabs->Current().OpenMapFile(paths[0]));
  for (size_t i = 1; i < paths.size(); ++i) ASSERT_TRUE(tabs->OpenInNewTab(paths[i]));
  tabs->SetCurrent(1);
  // What a drag of the first tab to the end does.
  Bar().moveTab(0, 2);
  const std::vector<std::string> order = {paths[1], paths[2], paths[0]};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(tabs->Tab(i).Document().fileName, order[size_t(i)]);
    EXPECT_EQ(Bar().tabText(i).toStdString(), order[size_t(i)].substr(order[size_t(i)].rfind('/') + 1));
  }
  EXPECT_EQ(tabs->CurrentIndex(), 0);
  EXPECT_TRUE(tabs->Tab(0).isVisible()) << "the tab on screen stays on screen";
  for (int step = 1; step <= 3; ++step) {
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->Current().Document().fileName, order[size_t(step % 3)]);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(tabs->Tab(i).isVisible(), i == step % 3);
  }
  // Closing a moved tab closes that map.
  ASSERT_TRUE(tabs->CloseTab(2));
  EXPECT_EQ(tabs->TabCount(), 2);
  EXPECT_EQ(tabs->Tab(0).Document().fileName, paths[1]);
  EXPECT_EQ(tabs->Tab(1).Document().fileName, paths[2]);
  EXPECT_EQ(tabs->windowTitle().toStdString(), Caption(tabs->Current().Document()));
}

TEST_F(MapTabsGuiTest, DroppedMapsOpenInTabsAndOtherFilesAreRefused) {
  const std::string first = SampleCopy("Sample.tmm", "Eins.tmm"), second = SampleCopy("Courtyard.tmm", "ZWEI.TMM");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(first)), QUrl::fromLocalFile(programDirectory + "x.pcx"),
                QUrl::fromLocalFile(QString::fromStdString(second))});
  QWidget* map = &tabs->Current().MapWidget();
  const QPoint at = map->mapTo(tabs.get(), map->rect().center());
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(tabs.get(), &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(tabs.get(), &drop);
  ASSERT_EQ(tabs->TabCount(), 3);
  EXPECT_EQ(tabs->Tab(1).Document().fileName, first);
  EXPECT_EQ(tabs->Tab(2).Document().fileName, second);
  EXPECT_EQ(tabs->CurrentIndex(), 2);

  QMimeData pictures;
  pictures.setUrls({QUrl::fromLocalFile(programDirectory + "x.pcx")});
  QDragEnterEvent refused(at, Qt::CopyAction, &pictures, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(tabs.get(), &refused);
  EXPECT_FALSE(refused.isAccepted());
}

// Copies that an editor left when it died, written by a child that ends
// without cleaning up, as a killed editor does.
void LeaveOrphanedCopies(const std::string& folder, const std::vector<std::pair<std::string, MapDocument*>>& maps) {
  const pid_t child = fork();
  if (child == 0) {
    for (const auto& [name, map] : maps) {
      // Never ended: its copy and lock file stay, and the lock goes with the process.
      RecoverySlot* slot = RecoverySlot::Take(folder).release();
      if (!slot || !slot->Write(MapFileBytes(*map), name)) _exit(1);
    }
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(MapTabsGuiTest, EveryMapOfAnEditorThatDiedComesBackInATabOfItsOwn) {
  const std::string folder = (temp.path() + "/recovery/").toStdString();
  std::vector<std::unique_ptr<MapDocument>> maps;
  std::vector<std::pair<std::string, MapDocument*>> left;
  for (int i = 0; i < 3; ++i) {
    auto map = std::make_unique<MapDocument>();
    EditorState editor;
    ResetDocument(*map, editor, true);
    map->Cell(i, i).floorHeight = 10.0f + float(i);
    left.emplace_back((programDirectory + "Maps/Karte" + QString::number(i) + ".tmm").toStdString(), map.get());
    maps.push_back(std::move(map));
  }
  LeaveOrphanedCopies(folder, left);

  tabs->KeepRecoveryCopies(QString::fromStdString(folder));
  dialogs.recoverAnswers = {RecoveryAnswer::Restore, RecoveryAnswer::Restore, RecoveryAnswer::Restore};
  EXPECT_EQ(tabs->OfferRecovery(), 3);
  EXPECT_EQ(std::count(dialogs.log.begin(), dialogs.log.end(), "recover:Karte0.tmm") +
                std::count(dialogs.log.begin(), dialogs.log.end(), "recover:Karte1.tmm") +
                std::count(dialogs.log.begin(), dialogs.log.end(), "recover:Karte2.tmm"),
            3);
  ASSERT_EQ(tabs->TabCount(), 3) << "the empty start tab takes the first";
  std::vector<bool> found(3, false);
  for (int t = 0; t < 3; ++t) {
    TFrmMain& tab = tabs->Tab(t);
    EXPECT_TRUE(tab.Model().IsModified()) << "a map taken back is not saved yet";
    for (int i = 0; i < 3; ++i) {
      if (tab.Document().fileName == left[size_t(i)].first) {
        found[size_t(i)] = true;
        EXPECT_TRUE(MapFileBytes(tab.Document()) == MapFileBytes(*maps[size_t(i)]));
      }
    }
  }
  EXPECT_EQ(found, std::vector<bool>(3, true));
  // Each is now the copy of its tab, offered to nobody else while the window lives.
  EXPECT_TRUE(ClaimOrphanedCopies(folder).empty());
}

}  // namespace
}  // namespace tessmoor
