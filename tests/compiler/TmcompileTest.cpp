// Runs the built tmcompile program as a build pipeline would.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "compiler/CompileMap.h"
#include "compiler/CompilerTestMaps.h"
#include "document/MapFile.h"
#include "document/PascalString.h"
#include "support/TempDir.h"
#include "texts/CompileLogLines.h"

namespace tessmoor {

using namespace compiler_test;

namespace {

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::string ReadText(const std::string& path) {
  const std::vector<unsigned char> bytes = ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class TmcompileTest : public ::testing::Test {
 protected:
  ProgramRun Tmcompile(const std::vector<std::string>& arguments) {
    std::string command = Quoted(std::string(TM_BIN_DIR) + "/tmcompile");
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    const std::string out = dir.File("stdout.txt"), err = dir.File("stderr.txt");
    command += " > " + Quoted(out) + " 2> " + Quoted(err) + " < /dev/null";
    const int status = std::system(command.c_str());
    ProgramRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadText(out);
    run.err = ReadText(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
  }

  // A map with textures whose pictures exist nowhere: the batch compiler must not need them.
  std::unique_ptr<MapDocument> MapWithMissingPictures() {
    auto map = FlatOpenMap();
    map->startPosition = {12, 34};
    for (int t = 0; t < 4; ++t) {
      TextureEntry& entry = map->textures[size_t(t)];
      WritePascalString(entry.name, TextureNameCapacity, "Textur " + std::to_string(t));
      entry.frameCount = 1;
      WritePascalString(entry.frames[0].fileName, FrameNameCapacity, "MISSING" + std::to_string(t) + ".PCX");
    }
    MapCell& column = map->Cell(30, 30);
    column.type = static_cast<uint8_t>(CellType::Column);
    column.texture[SurfaceKind::Wall] = WallTexture;
    return map;
  }

  std::string SaveAsMap(MapDocument& map, const std::string& name) {
    const std::string path = dir.File(name);
    EXPECT_TRUE(SaveMap(map, path).ok);
    return path;
  }

  TempDir dir;
};

}  // namespace

TEST_F(TmcompileTest, CompilesASavedMapWithoutItsPicturesToTheSameBytesAsTheEditor) {
  auto map = MapWithMissingPictures();
  const std::string mapPath = SaveAsMap(*map, "level.tmm");
  const std::string modelPath = dir.File("level.tcm");

  const ProgramRun run = Tmcompile({mapPath});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> expected = {
      "Tessmoor Compiler v1.0",
      "",
      "Erstelle 3D-Modell..." + std::string(64, '.'),
      "",
      "Eckpunkte: 8474",
      "Polygone: 8204",
      "Textur-Koord.: 29",
      "Indezies: 32816",
      "",
      "Erstelle " + modelPath + "...",
      "",
      "Compilierung abgeschlossen.",
  };
  EXPECT_EQ(Lines(run.out), expected);

  MapCompiler compiler;
  CompileLogLines log;
  const std::string reference = dir.File("reference.tcm");
  ASSERT_TRUE(compiler.Compile(*map, reference, log));
  EXPECT_EQ(ReadFileBytes(modelPath), ReadFileBytes(reference));
}

TEST_F(TmcompileTest, WritesTheModelWhereDashOSays) {
  auto map = EmptyMap();
  const std::string mapPath = SaveAsMap(*map, "a.b.tmm");
  const std::string modelPath = dir.File("out.model");
  const ProgramRun run = Tmcompile({"-o", modelPath, mapPath});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFileBytes(modelPath).size(), 81952u);
  EXPECT_FALSE(std::filesystem::exists(dir.File("a.b.tcm")));
  EXPECT_NE(run.out.find("Erstelle " + modelPath + "...\n"), std::string::npos);
}

TEST_F(TmcompileTest, FailuresExitOneWithTheReasonOnStderr) {
  auto tooDetailed = FlatOpenMap();
  for (MapCell& cell : tooDetailed->cells) cell.texture[SurfaceKind::PedestalFloor] = StepTexture;
  for (int x = 0; x < 64; ++x) {
    for (int y = x % 2; y < 64; y += 2) tooDetailed->Cell(x, y).floorHeight = 32.0f;
  }
  const std::string tooDetailedPath = SaveAsMap(*tooDetailed, "big.tmm");
  const std::string goodPath = SaveAsMap(*EmptyMap(), "good.tmm");
  const std::string notAMap = dir.File("notes.tmm");
  WriteFileBytes(notAMap, {'T', 'M', 'M', '1'});
  const std::string missing = dir.File("missing.tmm");
  const std::string unwritable = dir.File("no/such/dir/x.tcm");

  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{missing}, "tmcompile: cannot open " + missing + ": No such file or directory"},
      {{notAMap}, notAMap + " ist keine TMM-Datei."},
      {{tooDetailedPath}, "Fehler: Zu viele Polygone (höchstens 12000)."},
      {{"-o", unwritable, goodPath}, "Fehler beim Erstellen von " + unwritable + "!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const ProgramRun run = Tmcompile(c.arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, c.message + "\n");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("big.tcm")));
}

TEST_F(TmcompileTest, NeverWritesTheModelOverItsOwnMapAndNeverWaitsOnAFifo) {
  const std::string map = SaveAsMap(*EmptyMap(), "level.tcm");  // its model would be level.tcm too
  const std::vector<unsigned char> mapBytes = ReadFileBytes(map);
  std::filesystem::create_directories(dir.File("sub"));
  std::filesystem::create_symlink(map, dir.File("link.tcm"));
  const std::string refusal = "Fehler: Das Modell %s würde die Karte " + map + " überschreiben!";
  const auto refusalFor = [&](const std::string& model) {
    return std::string(refusal).replace(refusal.find("%s"), 2, model);
  };
  ASSERT_EQ(0, ::mkfifo(dir.File("fifo.tmm").c_str(), 0644));

  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{map}, refusalFor(map)},
      {{"-o", map, map}, refusalFor(map)},
      {{"-o", dir.File("sub/../level.tcm"), map}, refusalFor(dir.File("sub/../level.tcm"))},
      {{"-o", dir.File("link.tcm"), map}, refusalFor(dir.File("link.tcm"))},
      {{dir.File("fifo.tmm")}, dir.File("fifo.tmm") + " ist keine TMM-Datei."},
      {{dir.File("sub")}, dir.File("sub") + " ist keine TMM-Datei."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const ProgramRun run = Tmcompile(c.arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, c.message + "\n");
    EXPECT_EQ(mapBytes, ReadFileBytes(map));
  }
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.tcm")));
}

TEST_F(TmcompileTest, WrongArgumentsExitTwoWithUsageOnStderr) {
  const std::vector<std::vector<std::string>> cases = {
      {}, {"-x", "a.tmm"}, {"a.tmm", "b.tmm"}, {"a.tmm", "-o"}, {"-o", "a", "-o", "b", "c.tmm"}};
  for (const auto& arguments : cases) {
    const ProgramRun run = Tmcompile(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments.size();
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("tmcompile: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("Usage: tmcompile [-o MODEL] MAP"), std::string::npos);
  }
}

TEST_F(TmcompileTest, HelpPrintsUsageToStdout) {
  for (const char* option : {"-h", "--help"}) {
    const ProgramRun run = Tmcompile({option});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("Usage: tmcompile [-o MODEL] MAP\n", 0), 0u);
    EXPECT_EQ(run.err, "");
  }
}

}  // namespace tessmoor
