#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/FileWorkflow.h"
#include "document/PascalString.h"
#include "edit/CellCommands.h"
#include "support/CoreMessageText.h"
#include "support/FaultyFileOps.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace tessmoor {

namespace {

// Remembers every change the document reported.
struct ChangeLog : DocumentObserver {
  std::vector<DocumentChange> changes;
  void DocumentChanged(const DocumentChange& change) override { changes.push_back(change); }
};

struct Editor {
  TempDir dir;
  DocumentModel model;
  EditorState editor;
  ScriptedDialogs dialogs;
  ChangeLog log;
  FileWorkflow commands{model, editor, dialogs};

  Editor() {
    editor.programDirectory = dir.Dir();
    model.AddObserver(&log);
  }
  const MapDocument& Doc() const { return model.Map(); }
  std::string Maps() const { return dir.Dir() + "Maps/"; }
  void AddTexture(const char* name) {
    model.Replace([&](MapDocument& document) {
      TextureEntry& entry = document.textures[static_cast<size_t>(document.textureCount)];
      entry.index = document.textureCount++;
      WritePascalString(entry.name, TextureNameCapacity, name);
    });
  }
  // An edit as the tools make it: one undoable step, so the map is modified.
  void SetType(int x, int y, int type) {
    MapCell cell = Doc().Cell(x, y);
    cell.type = static_cast<uint8_t>(type);
    SetCell(model, {x, y}, cell, PaintStepName);
  }
};

}  // namespace

TEST(FileWorkflow, NewWithoutChangesAsksNothing) {
  Editor e;
  e.AddTexture("Stein");
  e.dialogs.newMapAnswers = {NewMapKind::TakeOverTextures, NewMapKind::EraseAll};

  e.commands.NewDocument();
  EXPECT_EQ(1, e.Doc().textureCount);
  e.commands.NewDocument();
  EXPECT_EQ(0, e.Doc().textureCount);

  EXPECT_EQ((std::vector<std::string>{"new", "new"}), e.dialogs.log);
  EXPECT_TRUE(e.Doc().IsUntitled());
}

TEST(FileWorkflow, CancellingTheNewDialogNeverAsksAboutChanges) {
  Editor e;
  e.SetType(0, 0, 1);
  e.commands.NewDocument();
  EXPECT_EQ((std::vector<std::string>{"new"}), e.dialogs.log);
  EXPECT_TRUE(e.Doc().modified);
}

TEST(FileWorkflow, OpenChoosesTheFileBeforeAskingAboutChanges) {
  Editor e;
  e.SetType(1, 1, 1);
  e.log.changes.clear();
  e.dialogs.openAnswers = {e.dir.File("other.tmm")};
  e.dialogs.saveAnswers = {SaveChangesAnswer::Yes};
  // Yes on an untitled map opens the save dialog; cancelling it cancels the open.
  EXPECT_FALSE(e.commands.OpenDocument());

  EXPECT_EQ((std::vector<std::string>{"open", "ask-save", "save"}), e.dialogs.log);
  EXPECT_EQ((std::vector<std::string>{e.Maps(), e.Maps()}), e.dialogs.startDirectories);
  EXPECT_TRUE(e.Doc().modified);
  EXPECT_EQ(1, e.Doc().Cell(1, 1).type);
  EXPECT_TRUE(e.log.changes.empty()) << "the document was never touched";
}

// A file that cannot be loaded is reported, and the map that was open stays:
// its cells, name, history and unsaved changes, with no change notice at all.
TEST(FileWorkflow, FailedOpenKeepsTheOpenMap) {
  struct Case {
    const char* what;
    std::function<void(Editor&, const std::string&)> write;
    std::string message;  // after the path
  };
  const Case cases[] = {
      {"not a map",
       [](Editor&, const std::string& path) {
         WriteFileBytes(path, {'j', 'u', 'n', 'k'});
       },
       " ist keine TMM-Datei."},
      {"cut short",
       [](Editor&, const std::string& path) {
         MapDocument other;
         ClearDocument(other, true);
         ASSERT_TRUE(SaveMap(other, path).ok);
         std::vector<unsigned char> bytes = ReadFileBytes(path);
         bytes.resize(bytes.size() / 2);
         WriteFileBytes(path, bytes);
       },
       ""},
      {"missing picture",
       [](Editor&, const std::string& path) {
         MapDocument other;
         ClearDocument(other, true);
         TextureEntry& entry = other.textures[0];
         other.textureCount = 1;
         WritePascalString(entry.name, TextureNameCapacity, "Fehlt");
         WritePascalString(entry.frames[0].fileName, FrameNameCapacity, "FEHLT.PCX");
         entry.frameCount = 1;
         ASSERT_TRUE(SaveMap(other, path).ok);
       },
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Editor e;
    e.model.SetFileName(e.dir.File("before.tmm"));
    e.SetType(1, 1, 3);
    e.SetType(2, 2, 4);
    e.model.Undo();
    const std::string path = e.dir.File("broken.tmm");
    c.write(e, path);
    e.log.changes.clear();
    e.dialogs.openAnswers = {path};
    e.dialogs.saveAnswers = {SaveChangesAnswer::No};

    EXPECT_FALSE(e.commands.OpenDocument());

    ASSERT_FALSE(e.dialogs.log.empty());
    EXPECT_EQ(e.dialogs.log.back().rfind("error:", 0), 0u) << e.dialogs.log.back();
    if (!c.message.empty()) {
      EXPECT_EQ("error:" + path + c.message, e.dialogs.log.back());
    }
    EXPECT_EQ(e.dir.File("before.tmm"), e.Doc().fileName);
    EXPECT_TRUE(e.Doc().modified);
    EXPECT_EQ(3, e.Doc().Cell(1, 1).type);
    EXPECT_EQ(1u, e.model.History().UndoCount());
    EXPECT_TRUE(e.model.History().CanRedo()) << "the undone step is still there to redo";
    EXPECT_TRUE(e.log.changes.empty()) << "the document was never touched";
  }
}

TEST(FileWorkflow, OpenLoadsTheMapAndNamesItInTheCaption) {
  Editor e;
  e.SetType(2, 3, 1);
  ASSERT_TRUE(e.model.Save(e.dir.File("level.tmm")).ok);
  e.dialogs.newMapAnswers = {NewMapKind::EraseAll};
  e.commands.NewDocument();
  e.log.changes.clear();
  e.dialogs.openAnswers = {e.dir.File("level.tmm")};

  EXPECT_TRUE(e.commands.OpenDocument());

  EXPECT_EQ(1, e.Doc().Cell(2, 3).type);
  EXPECT_EQ("Tessmoor Editor - " + e.dir.File("level.tmm"), Caption(e.Doc()));
  EXPECT_FALSE(e.Doc().modified);
  EXPECT_FALSE(e.model.History().CanUndo()) << "opening clears the history";
  ASSERT_FALSE(e.log.changes.empty());
  EXPECT_TRUE(e.log.changes.back().Has(DocumentChangeFlag::DocumentReplaced | DocumentChangeFlag::FileNameChanged));
}

TEST(FileWorkflow, SaveAfterSaveAsWritesWithoutADialog) {
  Editor e;
  e.dialogs.saveAsAnswers = {e.dir.File("level.tmm")};
  ASSERT_TRUE(e.commands.SaveDocument());
  EXPECT_EQ(e.dir.File("level.tmm"), e.Doc().fileName);

  e.SetType(0, 0, 2);
  ASSERT_TRUE(e.commands.SaveDocument());

  EXPECT_EQ(1u, e.dialogs.log.size());
  EXPECT_FALSE(e.Doc().modified);
  EXPECT_EQ(2, ReadFileBytes(e.dir.File("level.tmm"))[16]);
}

TEST(FileWorkflow, FailedSaveAsKeepsTheNameAndShowsTheMessage) {
  Editor e;
  e.dialogs.saveAsAnswers = {e.dir.File("no/such/dir/level.tmm")};
  EXPECT_FALSE(e.commands.SaveDocumentAs());
  EXPECT_TRUE(e.Doc().IsUntitled());
  EXPECT_EQ("error:Konnte " + e.dir.File("no/such/dir/level.tmm") + " nicht schreiben.", e.dialogs.log.back());
}

TEST(FileWorkflow, ClosingAsksOnlyWithUnsavedChanges) {
  Editor e;
  EXPECT_TRUE(e.commands.ConfirmClose());
  EXPECT_TRUE(e.dialogs.log.empty());

  e.SetType(5, 5, 3);
  e.dialogs.saveAnswers = {SaveChangesAnswer::Cancel, SaveChangesAnswer::No, SaveChangesAnswer::Yes};
  EXPECT_FALSE(e.commands.ConfirmClose());
  EXPECT_TRUE(e.commands.ConfirmClose());
  // Yes with a cancelled save dialog keeps the program open.
  EXPECT_FALSE(e.commands.ConfirmClose());
}

}  // namespace tessmoor
