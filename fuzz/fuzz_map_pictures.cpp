// Loads maps together with their frame pictures, the way the editor does, and
// compiles what loaded. The input is a few picture files followed by the map:
//   byte 0          number of pictures (taken modulo 5)
//   per picture     4-byte little-endian length, then that many bytes
//   the rest        the .tmm file
// The pictures land in GFX/ of a private program directory under mixed-case
// names, next to a FIFO, a folder and a picture outside GFX/ that no frame name
// may reach.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "compiler/CompileMap.h"
#include "document/MapFile.h"
#include "document/PascalString.h"

using namespace tessmoor;

namespace {

constexpr const char* PictureNames[] = {"A.PCX", "b.pcx", "Cc.Pcx", "\xC3\x84rger.pcx"};
constexpr size_t PictureSlots = sizeof PictureNames / sizeof PictureNames[0];

// A compile that writes no file: the model is serialized, then the create fails.
class NoWriteOps : public FileOps {
 public:
  int CreateNew(const std::string&) override { return -1; }
};

class SilentLog : public CompileLog {
 public:
  void ClearLog() override {}
  void AddLogLine(const std::string& = "") override {}
  void AddLogLine(const CoreMessage&) override {}
  void ExtendLastLine(const std::string&) override {}
};

std::string MakeProgramDirectory() {
  char pattern[] = "/tmp/fuzz-map-pictures-XXXXXX";
  if (!::mkdtemp(pattern)) std::abort();
  const std::string directory = std::string(pattern) + "/";
  static const std::string removeAtExit = pattern;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(removeAtExit, ignored);
  });
  ::mkdir((directory + "GFX").c_str(), 0755);
  ::mkdir((directory + "GFX/DIR.PCX").c_str(), 0755);
  ::mkfifo((directory + "GFX/PIPE.PCX").c_str(), 0644);
  // Any 8-bit picture would do: a frame that loads this one escaped GFX/.
  if (std::FILE* outside = std::fopen((directory + "X.PCX").c_str(), "wb")) {
    std::fputs("outside", outside);
    std::fclose(outside);
  }
  return directory;
}

uint32_t Little32(const uint8_t* bytes) {
  return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

// Writes the pictures of this input and removes those of the last one.
void PlacePictures(const std::string& directory, const uint8_t*& data, size_t& size) {
  for (const char* name : PictureNames) ::unlink((directory + "GFX/" + name).c_str());
  if (size == 0) return;
  const size_t count = data[0] % (PictureSlots + 1);
  ++data;
  --size;
  for (size_t i = 0; i < count && size >= 4; ++i) {
    const size_t length = std::min<size_t>(Little32(data), size - 4);
    std::FILE* file = std::fopen((directory + "GFX/" + PictureNames[i]).c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(data + 4, 1, length, file);
    std::fclose(file);
    data += 4 + length;
    size -= 4 + length;
  }
}

bool IsPlainName(const std::string& name) { return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string directory = MakeProgramDirectory();
  static auto document = std::make_unique<MapDocument>();
  static EditorState editor;
  static MapCompiler compiler;
  PlacePictures(directory, data, size);
  ResetDocument(*document, editor, true);

  MemorySource source(data, size);
  const MapFileResult result = ReadMap(*document, source, directory + "fuzz.tmm", MapLoadOptions{directory, true});
  if (!result.ok) {
    if (document->textureCount != 0 || result.message.code == CoreCode::None) std::abort();
    return 0;
  }
  for (int t = 0; t < document->textureCount; ++t) {
    const TextureEntry& entry = document->textures[static_cast<size_t>(t)];
    for (int f = 0; f < entry.frameCount; ++f) {
      if (!IsPlainName(ReadPascalString(entry.frames[static_cast<size_t>(f)].fileName, FrameNameCapacity)))
        std::abort();
    }
  }
  NoWriteOps ops;
  SilentLog log;
  if (compiler.Compile(*document, directory + "fuzz.tcm", log, ops)) std::abort();  // nothing may be written
  return 0;
}
