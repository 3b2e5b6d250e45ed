#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "compiler/CompileMap.h"
#include "compiler/CompilerTestMaps.h"
#include "support/CoreMessageText.h"
#include "support/FaultyFileOps.h"
#include "support/TempDir.h"
#include "texts/CompileLogLines.h"

namespace tessmoor {

using namespace compiler_test;

namespace {

std::vector<std::string> FilesIn(const TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Dir())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Every other cell raised, with steps: far more than 12000 faces.
std::unique_ptr<MapDocument> TooManyPolygonsMap() {
  auto map = FlatOpenMap();
  for (int x = 0; x < 64; ++x) {
    for (int y = 0; y < 64; ++y) {
      map->Cell(x, y).texture[SurfaceKind::PedestalFloor] = StepTexture;
      if ((x + y) % 2 == 0) map->Cell(x, y).floorHeight = 32.0f;
    }
  }
  return map;
}

// Floors at ever different heights in a few rows: every step adds new V values.
std::unique_ptr<MapDocument> TooManyTexCoordsMap() {
  auto map = EmptyMap();
  for (int x = 0; x < 64; ++x) {
    for (int y = 0; y < 12; ++y) {
      MapCell& cell = map->Cell(x, y);
      cell.texture[SurfaceKind::Floor] = FloorTexture;
      cell.texture[SurfaceKind::PedestalFloor] = StepTexture;
      cell.floorHeight = float((x * 37 + y * 11) % 997);
      cell.textureOffset[SurfaceKind::PedestalFloor] = int16_t(x * 13 + y * 7);
    }
  }
  return map;
}

const std::string Dots(64, '.');

}  // namespace

TEST(ModelFileNameTest, ReplacesTheExtensionOrAppendsOne) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/u/Maps/level.tmm", "/home/u/Maps/level.tcm"},
      {"/home/u/Maps/a.b.tmm", "/home/u/Maps/a.b.tcm"},
      {"/home/u/Maps.old/level", "/home/u/Maps.old/level.tcm"},
      {"/home/u/Maps/level.", "/home/u/Maps/level.tcm"},
      {"level.tmm", "level.tcm"},
      {"level", "level.tcm"},
      {"Maps/.hidden", "Maps/.tcm"},
      {"", ".tcm"},
  };
  for (const auto& [map, model] : cases) EXPECT_EQ(ModelFileName(map), model) << map;
}

TEST(CompileMapTest, SuccessfulCompileLogsTwelveLinesWithSixtyFourDots) {
  TempDir dir;
  const std::string path = dir.File("level.tcm");
  MapCompiler compiler;
  CompileLogLines log;
  ASSERT_TRUE(compiler.Compile(*FlatOpenMap(), path, log));
  const std::vector<std::string> expected = {
      "Tessmoor Compiler v1.0",
      "",
      "Erstelle 3D-Modell..." + Dots,
      "",
      "Eckpunkte: 8450",
      "Polygone: 8192",
      "Textur-Koord.: 4",
      "Indezies: 32768",
      "",
      "Erstelle " + path + "...",
      "",
      "Compilierung abgeschlossen.",
  };
  EXPECT_EQ(log.lines, expected);
  EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"level.tcm"});
}

TEST(CompileMapTest, SecondCompileShowsOnlyItsOwnLogAndReplacesTheModel) {
  TempDir dir;
  const std::string path = dir.File("level.tcm");
  MapCompiler compiler;
  CompileLogLines log;
  ASSERT_TRUE(compiler.Compile(*FlatOpenMap(), path, log));
  ASSERT_TRUE(compiler.Compile(*EmptyMap(), path, log));
  ASSERT_EQ(log.lines.size(), 12u);
  EXPECT_EQ(log.lines[4], "Eckpunkte: 0");
  EXPECT_EQ(log.lines[7], "Indezies: 0");
  EXPECT_EQ(ReadFileBytes(path).size(), 81952u);
}

TEST(CompileMapTest, MapBeyondATableStopsWithOneErrorLineAndWritesNoModel) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<MapDocument>()> make;
    std::string message;
  };
  const Case cases[] = {
      {"polygons", TooManyPolygonsMap, "Fehler: Zu viele Polygone (höchstens 12000)."},
      {"texture coordinates", TooManyTexCoordsMap, "Fehler: Zu viele Textur-Koordinaten (höchstens 1000)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    MapCompiler compiler;
    CompileLogLines log;
    const std::string fresh = dir.File("fresh.tcm");
    EXPECT_FALSE(compiler.Compile(*c.make(), fresh, log));
    ASSERT_EQ(log.lines.size(), 4u);
    EXPECT_EQ(log.lines[2].rfind("Erstelle 3D-Modell...", 0), 0u);
    EXPECT_LT(log.lines[2].size(), std::string("Erstelle 3D-Modell...").size() + 64);
    EXPECT_EQ(log.lines[3], c.message);
    EXPECT_TRUE(FilesIn(dir).empty());

    const std::string existing = dir.File("level.tcm");
    WriteFileBytes(existing, {1, 2, 3});
    EXPECT_FALSE(compiler.Compile(*c.make(), existing, log));
    EXPECT_EQ(ReadFileBytes(existing), (std::vector<unsigned char>{1, 2, 3}));
  }
}

TEST(CompileMapTest, OverflowMessagesNameEveryTableWithItsCapacity) {
  EXPECT_EQ(OverflowMessage(MeshTable::Vertices), "Fehler: Zu viele Eckpunkte (höchstens 32000).");
  EXPECT_EQ(OverflowMessage(MeshTable::Indices), "Fehler: Zu viele Indizes (höchstens 48000).");
}

TEST(CompileMapTest, FailureAtAnyFileStepKeepsThePreviousModel) {
  TempDir dir;
  const std::string path = dir.File("level.tcm");
  const std::vector<unsigned char> previous = {'o', 'l', 'd'};
  auto map = FlatOpenMap();
  MapCompiler compiler;
  CompileLogLines log;

  FaultyFileOps counting(-1);
  ASSERT_TRUE(compiler.Compile(*map, path, log, counting));
  const int steps = counting.Calls();
  ASSERT_EQ(steps, 4);  // create, write, close, rename
  for (int step = 0; step < steps; ++step) {
    SCOPED_TRACE(step);
    WriteFileBytes(path, previous);
    FaultyFileOps failing(step);
    EXPECT_FALSE(compiler.Compile(*map, path, log, failing));
    ASSERT_EQ(log.lines.size(), 11u);
    EXPECT_EQ(log.lines[9], "Erstelle " + path + "...");
    EXPECT_EQ(log.lines.back(), (step == 0 ? "Fehler beim Erstellen von " : "Fehler beim Schreiben von ") + path + "!");
    EXPECT_EQ(ReadFileBytes(path), previous);
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"level.tcm"});  // no temporary file left
  }
}

TEST(CompileMapTest, ModelInAMissingDirectoryCannotBeCreated) {
  TempDir dir;
  const std::string path = dir.File("missing/level.tcm");
  MapCompiler compiler;
  CompileLogLines log;
  EXPECT_FALSE(compiler.Compile(*EmptyMap(), path, log));
  EXPECT_EQ(log.lines.back(), "Fehler beim Erstellen von " + path + "!");
}

}  // namespace tessmoor
