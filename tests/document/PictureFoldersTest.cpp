// Where the editor and tmcompile find their folders and frame pictures: the
// program directory of a build or of an installed copy, and the picture folders
// of the user's own before the program's GFX/, by the same name rules.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>

#include "document/FramePictures.h"
#include "document/PictureFolders.h"
#include "export/ExportTestSupport.h"
#include "io/ProgramDirectory.h"

namespace tessmoor {

using namespace export_test;

namespace {

// Each folder's picture has its own width, so a written PNG names the folder it came from.
constexpr int WidthOfFirst = 20, WidthOfSecond = 24, WidthOfProgram = 28;

void WritePicture(const std::string& folder, const std::string& name, int width) {
  std::filesystem::create_directories(folder);
  WritePcx(folder + name, PatternPicture(width, 8, width));
}

int PngWidth(const std::string& path) {
  const std::vector<unsigned char> bytes = ReadFileBytes(path);
  if (bytes.size() < 24) return 0;
  return bytes[16] << 24 | bytes[17] << 16 | bytes[18] << 8 | bytes[19];
}

int Tmcompile(const std::string& arguments) {
  const std::string command = "'" + std::string(TM_BIN_DIR) + "/tmcompile' " + arguments + " > /dev/null 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct LookupRow {
  const char* first;    // the picture's name in the first folder of the user's, or nullptr
  const char* second;   // ... in the second
  const char* program;  // ... in the program's GFX/
  int winner;           // the width of the picture that must load; 0: none
};

}  // namespace

TEST(ProgramDirectory, TheBuildFolderFirstThenTheInstalledShareFolderThenTheProgramsOwn) {
  TempDir dir;
  const std::string build = dir.Dir() + "build/bin/", prefix = dir.Dir() + "usr/";
  std::filesystem::create_directories(build + "GFX");
  std::filesystem::create_directories(prefix + "bin");
  EXPECT_EQ(build, ResolveProgramDirectory(dir.Dir() + "build/bin"));
  // Installed: nothing beside the program, the data under share/ of the same prefix.
  EXPECT_EQ(prefix + "bin/", ResolveProgramDirectory(prefix + "bin"));
  std::filesystem::create_directories(prefix + "share/tessmoor-editor/GFX");
  EXPECT_EQ(prefix + "share/tessmoor-editor/", ResolveProgramDirectory(prefix + "bin/"));
  // A GFX/ beside the program always wins, as in a build.
  std::filesystem::create_directories(prefix + "bin/GFX");
  EXPECT_EQ(prefix + "bin/", ResolveProgramDirectory(prefix + "bin"));
}

TEST(PictureFolders, TheUsersFoldersInOrderThenTheProgramsGfxEachIgnoringCase) {
  const LookupRow rows[] = {
      {nullptr, nullptr, "TAFEL.PCX", WidthOfProgram},     // no folder of the user's holds it: today's lookup
      {"TAFEL.PCX", nullptr, "TAFEL.PCX", WidthOfFirst},   // the user's picture hides the program's
      {nullptr, "TAFEL.PCX", "TAFEL.PCX", WidthOfSecond},  // the second folder before the program's
      {"TAFEL.PCX", "TAFEL.PCX", nullptr, WidthOfFirst},   // the user's order counts
      {"tafel.pcx", "TAFEL.PCX", nullptr, WidthOfFirst},   // the case rule in every folder
      {nullptr, "Tafel.Pcx", "tafel.pcx", WidthOfSecond},
      {nullptr, nullptr, nullptr, 0},  // nowhere: the program's path in the message
  };
  for (const LookupRow& row : rows) {
    SCOPED_TRACE(std::string(row.first ? row.first : "-") + " " + (row.second ? row.second : "-") + " " +
                 (row.program ? row.program : "-"));
    TempDir dir;
    const std::string first = dir.Dir() + "eigene/", second = dir.Dir() + "engine/", program = dir.Dir() + "prog/";
    std::filesystem::create_directories(program + "GFX");
    if (row.first) WritePicture(first, row.first, WidthOfFirst);
    if (row.second) WritePicture(second, row.second, WidthOfSecond);
    if (row.program) WritePicture(program + "GFX/", row.program, WidthOfProgram);
    // A folder of the picture's name in the first folder must not hide the others.
    if (!row.first) std::filesystem::create_directories(first + "TAFEL.PCX");

    SetUserPictureFolders({first, second.substr(0, second.size() - 1)});
    const std::string found = LocateFramePicture(program, "TAFEL.PCX");
    HiColorImage thumbnail;
    const bool loaded = LoadFrameThumbnail(program, "TAFEL.PCX", thumbnail);
    SetUserPictureFolders({});
    const std::string expected = row.winner == WidthOfFirst     ? first + row.first
                                 : row.winner == WidthOfSecond  ? second + row.second
                                 : row.winner == WidthOfProgram ? program + "GFX/" + row.program
                                                                : program + "GFX/TAFEL.PCX";
    EXPECT_EQ(expected, found);
    EXPECT_EQ(row.winner != 0, loaded);

    // tmcompile --gfx takes the same list; its own GFX/ (the build's) has no TAFEL.PCX.
    if (row.winner == WidthOfProgram) continue;
    auto map = OneFloorMap(dir.Dir() + "unused/");
    WritePascalString(map->textures[0].frames[0].fileName, FrameNameCapacity, "TAFEL.PCX");
    ASSERT_TRUE(SaveMap(*map, dir.File("m.tmm")).ok);
    const int status = Tmcompile("--gfx '" + first + "' --gfx '" + second + "' -f obj -o '" + dir.File("m.obj") +
                                 "' '" + dir.File("m.tmm") + "'");
    EXPECT_EQ(row.winner != 0 ? 0 : 1, status);
    EXPECT_EQ(row.winner, PngWidth(dir.File("m_textur0.png")));
  }
}

TEST(PictureFolders, WithoutFoldersOfTheUsersEveryLookupIsTheProgramsGfx) {
  TempDir dir;
  WritePicture(dir.Dir() + "GFX/", "Stein.pcx", WidthOfProgram);
  EXPECT_TRUE(UserPictureFolders().empty());
  EXPECT_EQ(dir.Dir() + "GFX/Stein.pcx", LocateFramePicture(dir.Dir(), "STEIN.PCX"));
  EXPECT_EQ(dir.Dir() + "GFX/FEHLT.PCX", LocateFramePicture(dir.Dir(), "FEHLT.PCX"));
}

}  // namespace tessmoor
