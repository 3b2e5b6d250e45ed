// tmcompile -f glb|obj as a build pipeline runs it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include "export/ExportTestSupport.h"

namespace tessmoor {

using namespace export_test;

namespace {

int Tmcompile(const std::string& arguments, const TempDir& dir, std::string* err = nullptr) {
  const std::string errPath = dir.File("stderr.txt");
  const std::string command =
      "'" + std::string(TM_BIN_DIR) + "/tmcompile' " + arguments + " > /dev/null 2> '" + errPath + "'";
  const int status = std::system(command.c_str());
  if (err) {
    const std::vector<unsigned char> bytes = ReadFileBytes(errPath);
    err->assign(bytes.begin(), bytes.end());
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(TmcompileExport, WritesGlbTheValidatorAcceptsAndObjBesideTheMap) {
  TempDir dir;
  const std::string glb = dir.File("sample.glb");
  ASSERT_EQ(Tmcompile("-f glb -o '" + glb + "' '" + TM_BIN_DIR + "/Maps/Sample.tmm'", dir), 0);
  const Validation validation = RunValidator(glb, dir);
  EXPECT_TRUE(validation.clean) << validation.output;

  std::filesystem::copy_file(std::string(TM_BIN_DIR) + "/Maps/Sample.tmm", dir.File("Sample.tmm"));
  ASSERT_EQ(Tmcompile("-f obj '" + dir.File("Sample.tmm") + "'", dir), 0);
  EXPECT_TRUE(std::filesystem::exists(dir.File("Sample.obj")));
  EXPECT_TRUE(std::filesystem::exists(dir.File("Sample.mtl")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("Sample.tcm")));
}

TEST(TmcompileExport, MissingPictureFailsAndUnknownFormatIsAUsageError) {
  TempDir dir;
  auto map = OneFloorMap(dir.Dir());
  WritePascalString(map->textures[0].frames[0].fileName, FrameNameCapacity, "NOWHERE.PCX");
  ASSERT_TRUE(SaveMap(*map, dir.File("m.tmm")).ok);
  std::string err;
  EXPECT_EQ(Tmcompile("-f glb '" + dir.File("m.tmm") + "'", dir, &err), 1);
  EXPECT_EQ(err, "Fehler beim Laden von \"" + std::string(TM_BIN_DIR) + "/GFX/NOWHERE.PCX\".\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("m.glb")));
  EXPECT_EQ(Tmcompile("-f png '" + dir.File("m.tmm") + "'", dir), 2);
  EXPECT_EQ(Tmcompile("-f glb -f obj '" + dir.File("m.tmm") + "'", dir), 2);
  EXPECT_EQ(Tmcompile("-f tcm '" + dir.File("m.tmm") + "'", dir), 0);
  EXPECT_TRUE(std::filesystem::exists(dir.File("m.tcm")));
}

}  // namespace tessmoor
