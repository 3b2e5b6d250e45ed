// Crash recovery across processes: an editor killed with SIGKILL after an edit
// leaves a copy that the next start offers; Ja brings back exactly the edited
// map, Nein deletes it, and a second editor never takes a running one's copy.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>

#include "document/MapFile.h"
#include "edit/CellCommands.h"
#include "edit/DocumentModel.h"
#include "support/TempDir.h"

namespace tessmoor {

namespace {

class RecoveryProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home.isValid());
    map = home.path() + "/Halle.tmm";
    ASSERT_TRUE(QFile::copy(QString(TM_BIN_DIR) + "/Maps/Sample.tmm", map));
  }

  std::unique_ptr<QProcess> Start(const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_DATA_HOME", home.path() + "/data");
    environment.insert("XDG_CONFIG_HOME", home.path() + "/config");
    process->setProcessEnvironment(environment);
    process->start(QString(TM_BIN_DIR) + "/recovery_probe", arguments);
    return process;
  }

  // An editor that painted a cell, wrote its copy and is still running.
  std::unique_ptr<QProcess> RunningEditorWithCopy() {
    auto editor = Start({"edit", map});
    EXPECT_TRUE(editor->waitForReadyRead(10000));
    EXPECT_TRUE(std::filesystem::exists(editor->readLine().trimmed().toStdString()));
    return editor;
  }

  void CrashAfterEdit() {
    auto editor = RunningEditorWithCopy();
    editor->kill();  // SIGKILL
    ASSERT_TRUE(editor->waitForFinished(10000));
  }

  // Starts an editor that answers the question, saves what it recovered and ends.
  QString StartAndAnswer(const char* answer) {
    auto editor = Start({"start", answer, home.path() + "/saved.tmm"});
    EXPECT_TRUE(editor->waitForFinished(20000));
    EXPECT_EQ(editor->exitCode(), 0);
    return QString::fromUtf8(editor->readAllStandardOutput());
  }

  std::vector<uint8_t> ExpectedMap() {
    DocumentModel model;
    model.Replace([&](MapDocument& document) {
      LoadMap(document, map.toStdString(), MapLoadOptions{std::string(TM_BIN_DIR) + "/", false});
    });
    MapCell cell = model.Map().Cell(10, 10);
    cell.floorHeight = 7.5f;
    SetCell(model, {10, 10}, cell, PaintStepName);
    return MapFileBytes(model.Map());
  }

  bool RecoveryFolderEmpty() {
    const std::filesystem::path folder = (home.path() + "/data/Tessmoor-Editor/recovery").toStdString();
    return std::filesystem::is_directory(folder) && std::filesystem::is_empty(folder);
  }

  QTemporaryDir home;
  QString map;
};

}  // namespace

TEST_F(RecoveryProcessTest, JaAfterAKillBringsBackExactlyTheEditedMapUnsaved) {
  CrashAfterEdit();
  const QString output = StartAndAnswer("Ja");
  EXPECT_EQ(output, "recover:Halle.tmm\nname:" + map + " modified:1\n");
  const std::vector<unsigned char> saved = ReadFileBytes((home.path() + "/saved.tmm").toStdString());
  const std::vector<uint8_t> expected = ExpectedMap();
  EXPECT_EQ(std::vector<uint8_t>(saved.begin(), saved.end()), expected);
  // The user's own map was never touched, and the next start asks nothing.
  EXPECT_NE(ReadFileBytes(map.toStdString()), saved);
  EXPECT_EQ(StartAndAnswer("Ja"), "");
  EXPECT_TRUE(RecoveryFolderEmpty());
}

TEST_F(RecoveryProcessTest, NeinDeletesTheCopy) {
  CrashAfterEdit();
  EXPECT_EQ(StartAndAnswer("Nein"), "recover:Halle.tmm\n");
  EXPECT_TRUE(RecoveryFolderEmpty());
  EXPECT_FALSE(QFile::exists(home.path() + "/saved.tmm"));
}

TEST_F(RecoveryProcessTest, ASecondEditorNeverOffersARunningOnesCopy) {
  auto first = RunningEditorWithCopy();
  EXPECT_EQ(StartAndAnswer("Ja"), "");
  first->kill();
  ASSERT_TRUE(first->waitForFinished(10000));
  EXPECT_EQ(StartAndAnswer("Nein"), "recover:Halle.tmm\n");
}

}  // namespace tessmoor
