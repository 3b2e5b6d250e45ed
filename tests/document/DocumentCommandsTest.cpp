#include <gtest/gtest.h>

#include <filesystem>

#include "document/DocumentCommands.h"
#include "document/PascalString.h"
#include "support/FaultyFileOps.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

class RecordingHost : public DocumentHost {
 public:
  std::vector<std::string> calls;
  void HidePropertiesWindow() override { calls.push_back("hide-properties"); }
  void RedrawView() override { calls.push_back("redraw"); }
  void CaptionChanged() override { calls.push_back("caption"); }
};

struct Editor {
  TempDir dir;
  std::unique_ptr<MapDocument> document = std::make_unique<MapDocument>();
  EditorState editor;
  ScriptedDialogs dialogs;
  RecordingHost host;
  DocumentCommands commands{*document, editor, dialogs, host};

  Editor() {
    editor.programDirectory = dir.Dir();
    ResetDocument(*document, editor, true);
  }
  std::string Maps() const { return dir.Dir() + "Maps/"; }
  void AddTexture(const char* name) {
    TextureEntry& entry = document->textures[static_cast<size_t>(document->textureCount)];
    entry.index = document->textureCount++;
    WritePascalString(entry.name, TextureNameCapacity, name);
  }
};

}  // namespace

TEST(DocumentCommands, NewWithoutChangesAsksNothing) {
  Editor e;
  e.AddTexture("Stein");
  e.dialogs.newMapAnswers = {NewMapKind::TakeOverTextures, NewMapKind::EraseAll};

  e.commands.NewDocument();
  EXPECT_EQ(1, e.document->textureCount);
  e.commands.NewDocument();
  EXPECT_EQ(0, e.document->textureCount);

  EXPECT_EQ((std::vector<std::string>{"new", "new"}), e.dialogs.log);
  EXPECT_TRUE(e.document->IsUntitled());
}

TEST(DocumentCommands, CancellingTheNewDialogNeverAsksAboutChanges) {
  Editor e;
  e.document->modified = true;
  e.commands.NewDocument();
  EXPECT_EQ((std::vector<std::string>{"new"}), e.dialogs.log);
  EXPECT_TRUE(e.document->modified);
}

TEST(DocumentCommands, OpenChoosesTheFileBeforeAskingAboutChanges) {
  Editor e;
  e.document->modified = true;
  e.document->Cell(1, 1).type = 1;
  e.dialogs.openAnswers = {e.dir.File("other.tmm")};
  e.dialogs.saveAnswers = {SaveChangesAnswer::Yes};
  // Yes on an untitled map opens the save dialog; cancelling it cancels the open.
  EXPECT_FALSE(e.commands.OpenDocument());

  EXPECT_EQ((std::vector<std::string>{"open", "ask-save", "save"}), e.dialogs.log);
  EXPECT_EQ((std::vector<std::string>{e.Maps(), e.Maps()}), e.dialogs.startDirectories);
  EXPECT_TRUE(e.document->modified);
  EXPECT_EQ(1, e.document->Cell(1, 1).type);
  EXPECT_TRUE(e.host.calls.empty());
}

TEST(DocumentCommands, FailedOpenLeavesAnEmptyUntitledMap) {
  Editor e;
  e.document->fileName = e.dir.File("before.tmm");
  WriteFileBytes(e.dir.File("junk.tmm"), {'j', 'u', 'n', 'k'});
  e.dialogs.openAnswers = {e.dir.File("junk.tmm")};

  EXPECT_FALSE(e.commands.OpenDocument());

  EXPECT_EQ("error:" + e.dir.File("junk.tmm") + " ist keine TMM-Datei.", e.dialogs.log.back());
  EXPECT_EQ("Tessmoor Editor - Unbenannt.tmm", Caption(*e.document));
  // A following Save asks for a name.
  e.dialogs.log.clear();
  EXPECT_FALSE(e.commands.SaveDocument());
  EXPECT_EQ((std::vector<std::string>{"save"}), e.dialogs.log);
}

TEST(DocumentCommands, OpenLoadsTheMapAndNamesItInTheCaption) {
  Editor e;
  e.document->Cell(2, 3).type = 1;
  ASSERT_TRUE(SaveMap(*e.document, e.dir.File("level.tmm")).ok);
  ResetDocument(*e.document, e.editor, true);
  e.dialogs.openAnswers = {e.dir.File("level.tmm")};

  EXPECT_TRUE(e.commands.OpenDocument());

  EXPECT_EQ(1, e.document->Cell(2, 3).type);
  EXPECT_EQ("Tessmoor Editor - " + e.dir.File("level.tmm"), Caption(*e.document));
  EXPECT_EQ(e.host.calls.front(), "hide-properties");
}

TEST(DocumentCommands, SaveAfterSaveAsWritesWithoutADialog) {
  Editor e;
  e.dialogs.saveAsAnswers = {e.dir.File("level.tmm")};
  ASSERT_TRUE(e.commands.SaveDocument());
  EXPECT_EQ(e.dir.File("level.tmm"), e.document->fileName);

  e.document->Cell(0, 0).type = 2;
  e.document->modified = true;
  ASSERT_TRUE(e.commands.SaveDocument());

  EXPECT_EQ(1u, e.dialogs.log.size());
  EXPECT_FALSE(e.document->modified);
  EXPECT_EQ(2, ReadFileBytes(e.dir.File("level.tmm"))[16]);
}

TEST(DocumentCommands, FailedSaveAsKeepsTheNameAndShowsTheMessage) {
  Editor e;
  e.dialogs.saveAsAnswers = {e.dir.File("no/such/dir/level.tmm")};
  EXPECT_FALSE(e.commands.SaveDocumentAs());
  EXPECT_TRUE(e.document->IsUntitled());
  EXPECT_EQ("error:Konnte " + e.dir.File("no/such/dir/level.tmm") + " nicht schreiben.", e.dialogs.log.back());
}

TEST(DocumentCommands, ClosingAsksOnlyWithUnsavedChanges) {
  Editor e;
  EXPECT_TRUE(e.commands.ConfirmClose());
  EXPECT_TRUE(e.dialogs.log.empty());

  e.document->modified = true;
  e.dialogs.saveAnswers = {SaveChangesAnswer::Cancel, SaveChangesAnswer::No, SaveChangesAnswer::Yes};
  EXPECT_FALSE(e.commands.ConfirmClose());
  EXPECT_TRUE(e.commands.ConfirmClose());
  // Yes with a cancelled save dialog keeps the program open.
  EXPECT_FALSE(e.commands.ConfirmClose());
}
