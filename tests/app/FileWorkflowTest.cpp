#include <gtest/gtest.h>

#include <filesystem>

#include "app/FileWorkflow.h"
#include "document/PascalString.h"
#include "edit/CellCommands.h"
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

TEST(FileWorkflow, FailedOpenLeavesAnEmptyUntitledMap) {
  Editor e;
  e.model.SetFileName(e.dir.File("before.tmm"));
  WriteFileBytes(e.dir.File("junk.tmm"), {'j', 'u', 'n', 'k'});
  e.dialogs.openAnswers = {e.dir.File("junk.tmm")};

  EXPECT_FALSE(e.commands.OpenDocument());

  EXPECT_EQ("error:" + e.dir.File("junk.tmm") + " ist keine TMM-Datei.", e.dialogs.log.back());
  EXPECT_EQ("Tessmoor Editor - Unbenannt.tmm", Caption(e.Doc()));
  EXPECT_FALSE(e.Doc().modified);
  // A following Save asks for a name.
  e.dialogs.log.clear();
  EXPECT_FALSE(e.commands.SaveDocument());
  EXPECT_EQ((std::vector<std::string>{"save"}), e.dialogs.log);
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
