// tmgen <program directory>: writes every picture and map the editor ships into
// GFX/, TMEGfx/ and Maps/ below the given directory. tmgen --icons <folder>: the
// desktop's icons, in the hicolor layout below the folder. The output depends on
// nothing but this program, so every build produces the same files.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "tools/tmgen/Icons.h"
#include "tools/tmgen/SampleMap.h"
#include "tools/tmgen/Symbols.h"
#include "tools/tmgen/Textures.h"

using namespace tessmoor;

namespace {

bool MakeDirectory(const std::string& path, std::string& error) {
  std::error_code code;
  std::filesystem::create_directories(path, code);
  if (code) error = "cannot create " + path + ": " + code.message();
  return !code;
}

bool Generate(const std::string& programDirectory, std::string& error) {
  const std::string gfx = programDirectory + "GFX/";
  const std::string symbols = programDirectory + "TMEGfx/";
  const std::string maps = programDirectory + "Maps/";
  return MakeDirectory(gfx, error) && MakeDirectory(symbols, error) && MakeDirectory(maps, error) &&
         WriteTextures(gfx, error) && WriteSymbols(symbols, error) && WriteSampleMaps(maps, error);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--icons") {
    std::string error;
    if (tessmoor::WriteIcons(argv[2], error)) return 0;
    std::fprintf(stderr, "tmgen: %s\n", error.c_str());
    return 1;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: tmgen <program directory>\n       tmgen --icons <hicolor folder>\n");
    return 2;
  }
  std::string directory = argv[1];
  if (directory.empty() || directory.back() != '/') directory += '/';
  std::string error;
  if (!Generate(directory, error)) {
    std::fprintf(stderr, "tmgen: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
