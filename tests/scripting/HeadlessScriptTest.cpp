// tmcompile --script as a build pipeline runs it: the saved map equals the
// same script run in the editor's session, a failing script writes nothing,
// and file access is only what the command line allows.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>

#include "document/MapFile.h"
#include "scripting/ScriptRunner.h"
#include "support/TempDir.h"

namespace tessmoor {
namespace {

struct ToolRun {
  int exitCode = -1;
  std::string out, err;
};

class HeadlessScriptTest : public ::testing::Test {
 protected:
  std::string Script(const std::string& name, const std::string& text) {
    std::ofstream(dir.File(name)) << text;
    return dir.File(name);
  }
  static std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  ToolRun Tmcompile(const std::string& arguments) {
    const std::string command =
        "'" TM_BIN_DIR "/tmcompile' " + arguments + " > '" + dir.File("out.txt") + "' 2> '" + dir.File("err.txt") + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read(dir.File("out.txt")), Read(dir.File("err.txt"))};
  }

  TempDir dir;
  const std::string sample = TM_BIN_DIR "/Maps/Sample.tmm";
};

TEST_F(HeadlessScriptTest, SavesWhatTheSameScriptDoesInASession) {
  const std::string text =
      "for (const c of tessmoor.find({type: 0})) tessmoor.set(c.x, c.y, 'floorHeight', (c.x * 7 + c.y) % 5);\n"
      "tessmoor.renameTexture(0, 'Umbenannt');\ntessmoor.log('Zellen', tessmoor.find({type: 0}).length);";
  const ToolRun run =
      Tmcompile("--script '" + Script("floors.js", text) + "' -o '" + dir.File("out.tmm") + "' '" + sample + "'");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Zellen ", 0), 0u) << run.out;

  EditorSession session(TM_BIN_DIR "/");
  session.Model().Replace([&](MapDocument& map) {
    ResetDocument(map, session.Editor(), true);
    ASSERT_TRUE(LoadMap(map, sample, MapLoadOptions{TM_BIN_DIR "/", false}).ok);
  });
  NoFilesGate gate;
  ScriptRunner runner(ScriptPlace{session, gate, nullptr, false, {}});
  ASSERT_TRUE(runner.Run({"floors.js", text}).Ok());
  EXPECT_EQ(ReadFileBytes(dir.File("out.tmm")), MapFileBytes(session.Map()));
  EXPECT_NE(ReadFileBytes(dir.File("out.tmm")), ReadFileBytes(sample));
}

TEST_F(HeadlessScriptTest, FailuresExitWithTheirCodeAndWriteNothing) {
  const std::string out = dir.File("never.tmm");
  const ToolRun threw = Tmcompile("--script '" + Script("bad.js", "tessmoor.set(0, 0, 'type', 1);\nkaputt();") +
                                  "' -o '" + out + "' '" + sample + "'");
  EXPECT_EQ(threw.exitCode, 1);
  EXPECT_NE(threw.err.find("bad.js:2: "), std::string::npos) << threw.err;

  const ToolRun endless = Tmcompile("--script '" + Script("loop.js", "while (true) {}") + "' --script-timeout 1 -o '" +
                                    out + "' '" + sample + "'");
  EXPECT_EQ(endless.exitCode, 1);
  EXPECT_NE(endless.err.find("Zeitlimit von 1 s"), std::string::npos) << endless.err;

  EXPECT_EQ(Tmcompile("--script '" + dir.File("missing.js") + "' '" + sample + "'").exitCode, 2);
  EXPECT_EQ(Tmcompile("--script '" + Script("x.js", "") + "' --script-timeout 0 '" + sample + "'").exitCode, 2);
  EXPECT_EQ(Tmcompile("--script '" + Script("x.js", "") + "' --check '" + sample + "'").exitCode, 2);
  EXPECT_EQ(
      Tmcompile("--script '" + Script("x.js", "tessmoor.select(0, 0, 1, 1)") + "' -o '" + out + "' '" + sample + "'")
          .exitCode,
      1)
      << "no selection without a window";
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(HeadlessScriptTest, FilesAreReachedOnlyBelowAllowedFolders) {
  std::filesystem::create_directory(dir.File("data"));
  std::ofstream(dir.File("data/in.txt")) << "hallo";
  const std::string copy = Script("copy.js", "const t = tessmoor.readText('" + dir.File("data/in.txt") +
                                                 "');\n"
                                                 "tessmoor.writeText('" +
                                                 dir.File("data/out.txt") +
                                                 "', t + ' welt');\n"
                                                 "tessmoor.log(tessmoor.listFiles('" +
                                                 dir.File("data") + "').join());");
  const std::string out = " -o '" + dir.File("o.tmm") + "' '" + sample + "'";
  const ToolRun denied = Tmcompile("--script '" + copy + "'" + out);
  EXPECT_EQ(denied.exitCode, 1);
  EXPECT_NE(denied.err.find("ist nicht erlaubt"), std::string::npos) << denied.err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("data/out.txt")));

  const ToolRun elsewhere = Tmcompile("--script '" + copy + "' --allow-files '" + dir.File("elsewhere") + "'" + out);
  EXPECT_EQ(elsewhere.exitCode, 1);

  const ToolRun allowed = Tmcompile("--script '" + copy + "' --allow-files '" + dir.File("data") + "'" + out);
  EXPECT_EQ(allowed.exitCode, 0) << allowed.err;
  EXPECT_EQ(Read(dir.File("data/out.txt")), "hallo welt");
  EXPECT_EQ(allowed.out, "in.txt,out.txt\n");
}

}  // namespace
}  // namespace tessmoor
