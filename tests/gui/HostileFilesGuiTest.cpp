// The editor against maps it cannot use: names on the command line that do not
// open, and a compile whose model would be the map itself.

#include <sys/stat.h>

#include <filesystem>

#include "document/MapFile.h"
#include "editor/main/CommandLineMap.h"
#include "editor/windows/EditorCompileForm.h"
#include "gui/MainWindowFixture.h"
#include "support/TempDir.h"

namespace tessmoor {

namespace {

using HostileFilesTest = MainWindowFixture;

bool OpenFromCommandLine(TFrmMain& window, std::string name) {
  char program[] = "TMEdit";
  char* argv[] = {program, name.data(), nullptr};
  const std::optional<std::string> path = CommandLineMapPath(2, argv);
  return path && window.OpenMapFile(*path);
}

TEST_F(HostileFilesTest, CommandLineNamesThatDoNotOpenShowTheOpenCommandsMessage) {
  const std::string folder = MapPath("folder.tmm"), fifo = MapPath("fifo.tmm"), missing = MapPath("missing.tmm");
  std::filesystem::create_directories(folder);
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0644));
  for (const std::string& path : {folder, fifo, missing}) {
    SCOPED_TRACE(path);
    dialogs.log.clear();
    EXPECT_FALSE(OpenFromCommandLine(*window, path));
    Model().SetFileName(UntitledName);
    dialogs.openAnswers.push_back(path);
    Trigger("FileOpen");
    ASSERT_EQ(dialogs.log.size(), 3u);  // command line error, open dialog, open error
    EXPECT_EQ(dialogs.log[0].rfind("error:" + path + " ", 0), 0u) << dialogs.log[0];
    EXPECT_EQ(dialogs.log[0], dialogs.log[2]);
  }
}

TEST_F(HostileFilesTest, ACommandLineNameThatIsNotUtf8OpensUnderItsOwnBytes) {
  const std::string latin1Name = MapPath(
      "Stra\xDF"
      "e.tmm");  // "Straße" in an 8-bit encoding
  ASSERT_TRUE(Model().Save(latin1Name).ok);
  Model().SetFileName(UntitledName);
  const std::string relative = std::filesystem::relative(latin1Name).string();
  EXPECT_TRUE(OpenFromCommandLine(*window, relative));
  EXPECT_EQ(Document().fileName, latin1Name);
  EXPECT_TRUE(dialogs.log.empty());
  MakeAnEdit();
  Trigger("FileSave");
  EXPECT_TRUE(dialogs.log.empty()) << "saves go back to the same bytes";
}

TEST_F(HostileFilesTest, CompilingAMapNamedLikeItsModelLogsAnErrorAndWritesNothing) {
  const std::string map = MapPath("level.tcm");
  ASSERT_TRUE(Model().Save(map).ok);
  MakeAnEdit();
  Trigger("FileCompile");
  const QStringList lines = Window<TFrmCompile>("FrmCompile").Lines();
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_EQ(lines.last().toStdString(), "Fehler: Das Modell " + map + " würde die Karte " + map + " überschreiben!");
  auto reloaded = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*reloaded, editor, true);
  EXPECT_TRUE(LoadMap(*reloaded, map, {programDirectory.toStdString(), false}).ok) << "still the map";
  EXPECT_TRUE(dialogs.log.empty());
}

}  // namespace

}  // namespace tessmoor
