// Recovery copies: the file format, the atomic write, and the lock rule that
// tells a crashed editor's copy from a running one's.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "app/RecoveryOffer.h"
#include "document/RecoveryFile.h"
#include "document/RecoveryFolder.h"
#include "edit/CellCommands.h"
#include "support/CoreMessageText.h"
#include "support/FaultyFileOps.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace tessmoor {

namespace {

std::vector<uint8_t> EditedMapBytes(float floor) {
  DocumentModel model;
  MapCell cell = model.Map().Cell(5, 7);
  cell.floorHeight = floor;
  SetCell(model, {5, 7}, cell, PaintStepName);
  return MapFileBytes(model.Map());
}

// A child that takes a slot, writes a copy and then either ends without any
// clean-up (as a crash does) or waits until it is killed.
pid_t ChildWithCopy(const std::string& folder, bool crash, float floor) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid == 0) {
    auto slot = RecoverySlot::Take(folder);
    const bool written = slot && slot->Write(EditedMapBytes(floor), "/maps/Kind.tmm");
    char byte = written ? 1 : 0;
    if (::write(ready[1], &byte, 1) != 1 || crash) ::_exit(0);
    for (;;) ::pause();
  }
  char byte = 0;
  const bool ok = ::read(ready[0], &byte, 1) == 1 && byte == 1;
  ::close(ready[0]);
  ::close(ready[1]);
  if (crash) ::waitpid(pid, nullptr, 0);
  return ok ? pid : -1;
}

void Kill(pid_t pid) {
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
}

}  // namespace

TEST(RecoveryFile, HoldsTheMapBytesAndTheOriginalPathAndReadsThemBack) {
  TempDir dir;
  const std::vector<uint8_t> map = EditedMapBytes(3.5f);
  for (const std::string original : {"/home/a/Maps/Halle.tmm", ""}) {
    const std::string path = dir.File("copy.tmr");
    ASSERT_TRUE(WriteRecoveryFile(path, map, original));
    const std::vector<unsigned char> bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 10 + original.size() + map.size());
    EXPECT_TRUE(std::equal(map.begin(), map.end(), bytes.end() - static_cast<long>(map.size())));
    EXPECT_EQ(RecoveryOriginalPath(path), original);

    MapDocument document;
    ClearDocument(document, true);
    const RecoveryLoadResult loaded = LoadRecoveryFile(document, path, MapLoadOptions{dir.Dir(), false});
    ASSERT_TRUE(loaded.map.ok) << loaded.map.message;
    EXPECT_EQ(loaded.originalPath, original);
    EXPECT_EQ(MapFileBytes(document), map);
  }
}

TEST(RecoveryFile, ACutOrForeignCopyIsRefusedWithAMessage) {
  const std::vector<uint8_t> whole = RecoveryFileBytes(EditedMapBytes(1.0f), "/x/Karte.tmm");
  for (size_t length : {size_t{0}, size_t{7}, size_t{9}, size_t{15}, size_t{30}, whole.size() - 1}) {
    MapDocument document;
    ClearDocument(document, true);
    MemorySource source(whole.data(), length);
    const RecoveryLoadResult loaded = ReadRecoveryFile(document, source, "k.tmr", MapLoadOptions{"/none/", false});
    EXPECT_FALSE(loaded.map.ok) << length;
    EXPECT_FALSE(loaded.map.message.code == CoreCode::None) << length;
  }
}

TEST(RecoveryFile, AFailedWriteLeavesThePreviousCopy) {
  TempDir dir;
  const std::string path = dir.File("copy.tmr");
  ASSERT_TRUE(WriteRecoveryFile(path, EditedMapBytes(1.0f), "/a.tmm"));
  const std::vector<unsigned char> before = ReadFileBytes(path);
  for (int step = 0; step < 4; ++step) {
    FaultyFileOps ops(step);
    EXPECT_FALSE(WriteRecoveryFile(path, EditedMapBytes(2.0f), "/b.tmm", ops)) << step;
    EXPECT_EQ(ReadFileBytes(path), before) << step;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Dir()), {}), 1);
}

TEST(RecoveryFolder, OnlyCopiesOfEndedEditorsAreClaimedAndANormalEndLeavesNothing) {
  TempDir dir;
  const std::string folder = dir.File("recovery/");
  auto own = RecoverySlot::Take(folder);
  ASSERT_NE(own, nullptr);
  ASSERT_TRUE(own->Write(EditedMapBytes(1.0f), ""));
  const pid_t running = ChildWithCopy(folder, false, 2.0f);
  ASSERT_GT(running, 0);
  ASSERT_GT(ChildWithCopy(folder, true, 3.0f), 0);

  // The crashed child's copy only; neither ours nor the running child's.
  auto orphans = ClaimOrphanedCopies(folder);
  ASSERT_EQ(orphans.size(), 1u);
  // While it is claimed, a second starting editor does not get it either.
  EXPECT_TRUE(ClaimOrphanedCopies(folder).empty());
  orphans.clear();

  Kill(running);
  orphans = ClaimOrphanedCopies(folder);
  EXPECT_EQ(orphans.size(), 2u);
  for (auto& orphan : orphans) orphan->Discard();
  EXPECT_TRUE(ClaimOrphanedCopies(folder).empty());

  // A write cut short by the kill leaves a temporary file; it goes with its editor's lock.
  const pid_t crashed = ChildWithCopy(folder, true, 6.0f);
  ASSERT_GT(crashed, 0);
  WriteFileBytes(folder + std::to_string(crashed) + "-1.tmr.tmp-" + std::to_string(crashed) + "-3", {1, 2});
  WriteFileBytes(folder + std::to_string(crashed) + "-1.lock", {});
  orphans = ClaimOrphanedCopies(folder);
  ASSERT_EQ(orphans.size(), 1u);
  orphans.front()->Discard();

  own.reset();
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST(RecoveryOffer, JaRestoresUnsavedUnderTheOriginalNameNeinDeletesClosingKeeps) {
  TempDir dir;
  const std::string folder = dir.File("recovery/");
  ASSERT_GT(ChildWithCopy(folder, true, 4.25f), 0);
  EditorState editor;
  editor.programDirectory = dir.Dir();
  DocumentModel model;
  ScriptedDialogs dialogs;

  dialogs.recoverAnswers = {RecoveryAnswer::Keep};
  EXPECT_FALSE(OfferOrphanedCopies(folder, model, editor, dialogs, ""));
  EXPECT_EQ(ClaimOrphanedCopies(folder).size(), 1u);

  auto own = RecoverySlot::Take(folder);
  dialogs.recoverAnswers = {RecoveryAnswer::Restore};
  EXPECT_TRUE(OfferOrphanedCopies(folder, model, editor, dialogs, own->CopyPath()));
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"recover:Kind.tmm", "recover:Kind.tmm"}));
  EXPECT_EQ(model.Map().fileName, "/maps/Kind.tmm");
  EXPECT_TRUE(model.IsModified());
  EXPECT_FALSE(model.History().CanUndo());
  EXPECT_EQ(MapFileBytes(model.Map()), EditedMapBytes(4.25f));
  // The copy became this editor's own: never offered again, still there if this one crashes.
  EXPECT_TRUE(std::filesystem::exists(own->CopyPath()));
  EXPECT_TRUE(ClaimOrphanedCopies(folder).empty());

  ASSERT_GT(ChildWithCopy(folder, true, 5.0f), 0);
  dialogs.recoverAnswers = {RecoveryAnswer::Discard};
  EXPECT_FALSE(OfferOrphanedCopies(folder, model, editor, dialogs, ""));
  own.reset();
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

}  // namespace tessmoor
