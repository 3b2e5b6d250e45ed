// The Qt-free half of the test run: profiles, the argument list a program gets,
// and the model compiled for it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>

#include "app/TestArguments.h"
#include "app/TestBuild.h"
#include "app/TestRunFolder.h"
#include "check/CheckTestMaps.h"
#include "support/TempDir.h"
#include "texts/TestRunTexts.h"

using namespace tessmoor;
using Args = std::vector<std::string>;

namespace {

const PlaceholderValues Values{"/tmp/lauf 1/Mein \"Level\".tcm", "/home/a b/Maps/x.tmm", "/opt/t moor/GFX", 12, 40};

TEST(TestArgumentsTest, EveryPlaceholderStaysWithinItsOwnArgument) {
  struct Row {
    const char* line;
    Args expected;
  };
  const Row rows[] = {
      {"%m", {Values.model}},
      {"  -map %k\t-gfx %g  ", {"-map", Values.map, "-gfx", Values.gfx}},
      {"--start=%x,%y %%x", {"--start=12,40", "%x"}},
      {"\"%m\" \"\" x\"a b\"y", {Values.model, "", "xa by"}},
      {"\"say \"\"hi\"\"\" %q 50% %", {"say \"hi\"", "%q", "50%", "%"}},
      {"\"open end", {"open end"}},
      {"", {}},
  };
  for (const Row& row : rows) EXPECT_EQ(ExpandArguments(row.line, Values), row.expected) << row.line;
}

TEST(TestArgumentsTest, WorkingFolderFromTheProfileOrTheProgramsFolder) {
  TestProfile profile;
  profile.program = "/opt/spiel/bin/engine";
  EXPECT_EQ(WorkingFolderFor(profile, Values), "/opt/spiel/bin");
  profile.program = "engine";  // found in PATH: no folder of its own
  EXPECT_EQ(WorkingFolderFor(profile, Values), "");
  profile.workingFolder = "%g/..";
  EXPECT_EQ(WorkingFolderFor(profile, Values), "/opt/t moor/GFX/..");
}

// Whatever the designer does in the list, exactly one profile is the default
// while there are any, and names stay apart.
TEST(TestProfileTest, RandomEditsKeepOneDefaultAndDistinctNames) {
  std::mt19937 random(21);
  TestProfiles list;
  for (int step = 0; step < 2000; ++step) {
    const int size = static_cast<int>(list.profiles.size());
    const int pick = std::uniform_int_distribution<int>(-1, size)(random);
    const TestProfiles before = list;
    switch (random() % 3) {
      case 0:
        EXPECT_EQ(AddProfile(list), size);
        if (size == 0) {
          EXPECT_EQ(list.defaultIndex, 0);
        }
        break;
      case 1: {
        const TestProfile* wasDefault = before.Default();
        RemoveProfile(list, pick);
        if (pick < 0 || pick >= size) {
          EXPECT_EQ(list, before);
        }
        if (wasDefault && pick != before.defaultIndex && list.Default()) {
          EXPECT_EQ(*list.Default(), *wasDefault);
        }
        break;
      }
      default:
        SetDefaultProfile(list, pick);
        if (pick >= 0 && pick < size) {
          EXPECT_EQ(list.defaultIndex, pick);
        }
        break;
    }
    ASSERT_EQ(list.Default() != nullptr, !list.profiles.empty()) << step;
    for (size_t i = 0; i < list.profiles.size(); ++i)
      for (size_t j = i + 1; j < list.profiles.size(); ++j) ASSERT_NE(list.profiles[i].name, list.profiles[j].name);
  }
}

TEST(TestProfileTest, NormalizeMendsADefaultOutOfRange) {
  TestProfiles list;
  list.profiles.resize(2);
  list.defaultIndex = 7;
  NormalizeProfiles(list);
  EXPECT_EQ(list.defaultIndex, 0);
  list.profiles.clear();
  NormalizeProfiles(list);
  EXPECT_EQ(list.Default(), nullptr);
}

class TestBuildTest : public ::testing::Test {
 protected:
  std::vector<unsigned char> Compile(const MapDocument& document, std::optional<GridPoint> start, bool* built) {
    const std::string path = dir.File("Raum.tcm");
    std::filesystem::remove(path);
    *built = BuildTestModel(document, start, path, compiler, log, errors);
    return ReadFileBytes(path);
  }

  TempDir dir;
  MapCompiler compiler;
  CompileLogLines log;
  MapFindings errors;
};

TEST_F(TestBuildTest, PlayFromHereCompilesTheMovedStartAndLeavesTheDocument) {
  const auto map = check_test::CleanRoom();
  map->fileName = "/maps/Raum.tmm";
  const auto cellsBefore = map->cells;
  bool built = false;
  const auto fromHere = Compile(*map, GridPoint{17, 13}, &built);
  ASSERT_TRUE(built);
  EXPECT_EQ(map->startPosition.x, 12);
  EXPECT_EQ(map->startPosition.y, 12);
  EXPECT_EQ(std::memcmp(cellsBefore.data(), map->cells.data(), sizeof(cellsBefore)), 0);

  // The oracle: the same map with the start set there for real.
  const auto expected = check_test::CleanRoom();
  expected->startPosition = {17, 13};
  const auto oracle = Compile(*expected, std::nullopt, &built);
  ASSERT_TRUE(built);
  EXPECT_EQ(fromHere, oracle);
  EXPECT_NE(Compile(*map, std::nullopt, &built), oracle);
  EXPECT_EQ(TestModelName(*map), "Raum.tcm");
}

TEST_F(TestBuildTest, AMapWithErrorsIsNotCompiledAndTheLogSaysWhy) {
  const auto map = check_test::CleanRoom();
  map->startPosition = {check_test::RoomLow, 12};  // in the outline's wall
  bool built = true;
  EXPECT_TRUE(Compile(*map, std::nullopt, &built).empty());
  EXPECT_FALSE(built);
  ASSERT_FALSE(errors.empty());
  EXPECT_TRUE(
      std::all_of(errors.begin(), errors.end(), [](const MapFinding& f) { return f.severity == Severity::Error; }));
  LogTestRunRefusal(errors, log);
  ASSERT_GE(log.lines.size(), 2u);
  EXPECT_EQ(log.lines.front().rfind("Fehler", 0), 0u) << log.lines.front();
  EXPECT_EQ(log.lines.back(), "Der Testlauf wurde nicht gestartet.");
  // The same map played from a cell inside is fine.
  EXPECT_FALSE(Compile(*map, GridPoint{12, 12}, &built).empty());
  EXPECT_TRUE(built);
}

TEST(TestBuildRefusalTest, ThePlayerStartsOnlyInsideTheGridAndNotInAWall) {
  const auto map = check_test::CleanRoom();
  EXPECT_EQ(StartCellRefusal(*map, {12, 12}), "");
  EXPECT_EQ(StartCellRefusal(*map, {0, 0}), "");
  EXPECT_EQ(StartCellRefusal(*map, {10, 12}), "Die Zelle 10: 12 ist eine Wand; dort kann der Spieler nicht stehen.");
  for (GridPoint outside : {GridPoint{-1, 5}, GridPoint{64, 5}, GridPoint{5, -1}, GridPoint{5, 64}})
    EXPECT_NE(StartCellRefusal(*map, outside).find("außerhalb der Karte"), std::string::npos);
}

TEST(TestRunFolderTest, APrivateFolderThatGoesWithEverythingInIt) {
  std::string path;
  {
    TestRunFolder folder;
    path = folder.Path();
    ASSERT_FALSE(path.empty()) << folder.Error();
    EXPECT_TRUE(std::filesystem::is_directory(path));
    const auto permissions = std::filesystem::status(path).permissions();
    EXPECT_EQ(permissions & std::filesystem::perms::others_all, std::filesystem::perms::none);
    WriteFileBytes(folder.File("Raum.tcm"), {1, 2, 3});
    TestRunFolder other;
    EXPECT_NE(other.Path(), path);
  }
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
