// The recovery copy follows the real main window's document: written within a
// second of an edit, retried after a failed write, gone after a save, after
// thrown-away changes and at a normal end.

#include <QElapsedTimer>
#include <filesystem>

#include "document/RecoveryFile.h"
#include "editor/widgets/RecoveryKeeper.h"
#include "gui/MainWindowFixture.h"
#include "support/FaultyFileOps.h"
#include "support/TempDir.h"

namespace tessmoor {

namespace {

class RecoveryKeeperTest : public MainWindowFixture {
 protected:
  QString Folder() const { return temp.path() + "/recovery/"; }

  // Lets the keeper's ticks run until `done` holds, for at most two seconds.
  bool WaitFor(RecoveryKeeper& keeper, const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 2000) {
      QTest::qWait(50);
      keeper.WaitForWriter();
      if (done()) return true;
    }
    return false;
  }

  std::vector<uint8_t> CopiedMap(const std::string& copyPath) {
    const std::vector<unsigned char> bytes = ReadFileBytes(copyPath);
    const size_t header = 10 + (Document().IsUntitled() ? 0 : Document().fileName.size());
    if (bytes.size() < header) return {};
    return std::vector<uint8_t>(bytes.begin() + static_cast<long>(header), bytes.end());
  }
};

}  // namespace

TEST_F(RecoveryKeeperTest, EditsReachTheCopyWhichGoesAwayOnSaveDiscardAndExit) {
  Model().SetFileName(MapPath("Halle.tmm"));
  auto keeper = std::make_unique<RecoveryKeeper>(Model(), Folder());
  const std::string copy = keeper->CopyPath();
  ASSERT_FALSE(copy.empty());

  MakeAnEdit();
  ASSERT_TRUE(WaitFor(*keeper, [&] { return std::filesystem::exists(copy); }));
  EXPECT_EQ(RecoveryOriginalPath(copy), MapPath("Halle.tmm"));
  MakeAnEdit();
  EXPECT_TRUE(WaitFor(*keeper, [&] { return CopiedMap(copy) == MapFileBytes(Document()); }));

  Trigger("FileSave");
  EXPECT_TRUE(WaitFor(*keeper, [&] { return !std::filesystem::exists(copy); }));
  EXPECT_FALSE(Model().IsModified());

  MakeAnEdit();
  ASSERT_TRUE(WaitFor(*keeper, [&] { return std::filesystem::exists(copy); }));
  // New, its question answered with No: the changes are thrown away.
  dialogs.newMapAnswers = {NewMapKind::EraseAll};
  dialogs.saveAnswers = {SaveChangesAnswer::No};
  Trigger("FileNew");
  EXPECT_TRUE(WaitFor(*keeper, [&] { return !std::filesystem::exists(copy); }));

  MakeAnEdit();
  ASSERT_TRUE(WaitFor(*keeper, [&] { return std::filesystem::exists(copy); }));
  keeper.reset();
  EXPECT_TRUE(std::filesystem::is_empty(Folder().toStdString()));
}

TEST_F(RecoveryKeeperTest, AFailedWriteIsSilentAndTriedAgain) {
  for (int failing = 0; failing < 3; ++failing) {
    FaultyFileOps ops(failing);
    RecoveryKeeper keeper(Model(), Folder(), ops);
    MakeAnEdit();
    EXPECT_TRUE(WaitFor(keeper, [&] { return CopiedMap(keeper.CopyPath()) == MapFileBytes(Document()); })) << failing;
    EXPECT_GT(ops.Calls(), 4) << failing;
    EXPECT_EQ(dialogs.log, std::vector<std::string>());
  }
}

}  // namespace tessmoor
