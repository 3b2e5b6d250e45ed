// tmcompile --check as a build pipeline runs it: findings on stdout, exit 1
// only for a Fehler, and never a model file.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>

#include "check/CheckTestMaps.h"
#include "document/MapFile.h"
#include "support/TempDir.h"
#include "tools/tmgen/CourtyardMap.h"
#include "tools/tmgen/SampleMap.h"

namespace tessmoor {

using namespace check_test;

namespace {

struct CheckRun {
  int exitCode = -1;
  std::string out;
};

class TmcompileCheckTest : public ::testing::Test {
 protected:
  CheckRun Run(const std::string& arguments) {
    const std::string out = dir.File("stdout.txt");
    // German, as the tests read it, whatever the developer's locale.
    const std::string command =
        "env -u LC_ALL -u LC_MESSAGES -u LANG '" TM_BIN_DIR "/tmcompile' " + arguments + " > '" + out + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    const std::vector<unsigned char> bytes = ReadFileBytes(out);
    std::filesystem::remove(out);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(bytes.begin(), bytes.end())};
  }

  std::string Saved(MapDocument& map, const std::string& name) {
    const std::string path = dir.File(name);
    EXPECT_TRUE(SaveMap(map, path).ok);
    return path;
  }

  TempDir dir;
};

TEST_F(TmcompileCheckTest, ShippedMapsPassAndWriteNoModel) {
  for (const char* name : {SampleMapName, CourtyardMapName}) {
    const std::string copy = dir.File(name);
    std::filesystem::copy_file(std::string(TM_BIN_DIR "/Maps/") + name, copy);
    EXPECT_EQ(Run("--check '" + copy + "'").exitCode, 0) << name;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Dir()), {}), 2);
}

TEST_F(TmcompileCheckTest, ExitsOneOnlyForAFehler) {
  auto warned = CleanRoom();
  SetType(warned->Cell(12, 14), CellType::Column);
  const CheckRun warning = Run("--check '" + Saved(*warned, "column.tmm") + "'");
  EXPECT_EQ(warning.exitCode, 0);
  EXPECT_EQ(warning.out, "Warnung 12: 14: Säule ohne Wandtextur\n");

  auto walledIn = CleanRoom();
  walledIn->startPosition = {RoomLow, 15};
  const CheckRun error = Run("--check '" + Saved(*walledIn, "start.tmm") + "'");
  EXPECT_EQ(error.exitCode, 1);
  EXPECT_EQ(error.out, "Fehler 10: 15: Startposition in einer Wand\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("start.tcm")));
}

TEST_F(TmcompileCheckTest, RefusesAModelPathAndMissingMaps) {
  const std::string map = Saved(*CleanRoom(), "room.tmm");
  EXPECT_EQ(Run("--check -o '" + dir.File("x.tcm") + "' '" + map + "'").exitCode, 2);
  EXPECT_EQ(Run("--check '" + dir.File("missing.tmm") + "'").exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.tcm")));
}

// Three maps in one call: clean, warned, and one with a Fehler and a start in a
// wall; plus one that does not exist. Each format reports all of them, and the
// JUnit form passes the schema CI servers read.
TEST_F(TmcompileCheckTest, ReportsSeveralMapsAsJsonAndJUnit) {
  auto warned = CleanRoom();
  SetType(warned->Cell(12, 14), CellType::Column);
  auto walledIn = CleanRoom();
  walledIn->startPosition = {RoomLow, 15};
  const std::string maps = "'" + Saved(*CleanRoom(), "clean.tmm") + "' '" + Saved(*warned, "warned.tmm") + "' '" +
                           Saved(*walledIn, "start<&>.tmm") + "' '" + dir.File("missing.tmm") + "'";

  const CheckRun json = Run("--check --format json " + maps);
  EXPECT_EQ(json.exitCode, 1);
  EXPECT_NE(json.out.find("\"code\": \"ColumnWithoutWallTexture\", \"x\": 12, \"y\": 14, \"message\": "
                          "\"Säule ohne Wandtextur\""),
            std::string::npos)
      << json.out;
  EXPECT_NE(json.out.find("\"severity\": \"error\", \"code\": \"StartInWall\""), std::string::npos);
  EXPECT_NE(json.out.find("\"read\": false"), std::string::npos);
  const CheckRun python =
      Run("--check --format json " + maps +
          " | python3 -c 'import json,sys; m=json.load(sys.stdin)[\"maps\"]; print([x[\"errors\"] for x in m])'");
  EXPECT_EQ(python.out, "[0, 0, 1, 1]\n");

  const CheckRun junit = Run("--check --format junit " + maps);
  EXPECT_EQ(junit.exitCode, 1);
  EXPECT_NE(junit.out.find("tests=\"4\" failures=\"2\""), std::string::npos) << junit.out;
  EXPECT_NE(junit.out.find("start&lt;&amp;&gt;.tmm"), std::string::npos);
  const std::string report = dir.File("report.xml");
  std::ofstream(report) << junit.out;
  const std::string validate =
      "xmllint --noout --schema '" TM_SOURCE_DIR "/tests/check/junit.xsd' '" + report + "' 2>/dev/null";
  EXPECT_EQ(std::system(validate.c_str()), 0);

  EXPECT_EQ(Run("--format junit '" + dir.File("clean.tmm") + "'").exitCode, 2) << "--format goes with --check";
  EXPECT_EQ(Run("--check --format yaml '" + dir.File("clean.tmm") + "'").exitCode, 2);
}

}  // namespace

}  // namespace tessmoor
