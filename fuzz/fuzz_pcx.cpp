// Feeds arbitrary bytes to the PCX decoder, both from memory and through the file
// loader (its palette seek and 64 KiB block refills): it must never read or write
// outside its buffers, it must return either an empty image or a complete one,
// and both ways in must agree on every pixel.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "graphics/GraphicsError.h"
#include "graphics/PcxLoader.h"

using namespace tessmoor;

namespace {

std::string ScratchFile() {
  char pattern[] = "/tmp/fuzz-pcx-XXXXXX";
  const int fd = ::mkstemp(pattern);
  if (fd < 0) std::abort();
  ::close(fd);
  static const std::string removeAtExit = pattern;
  std::atexit([] { ::unlink(removeAtExit.c_str()); });
  return pattern;
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

// Checks the loader's contract and returns the error it left.
GraphicsErrorCode CheckedResult(const HiColorImage& image) {
  const GraphicsErrorCode error = TakeGraphicsError();
  if (image.IsEmpty()) {
    if (image.width != 0 || image.height != 0 || error == GraphicsErrorCode::geNone) std::abort();
    return error;
  }
  if (image.width <= 0 || image.height <= 0 || error != GraphicsErrorCode::geNone) std::abort();
  // Touch both ends so the sanitizer checks the buffer really has width x height pixels.
  volatile RGB555 sink = image.pixels[0];
  sink = image.pixels[static_cast<size_t>(image.width) * static_cast<size_t>(image.height) - 1];
  (void)sink;
  return error;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = ScratchFile();
  HiColorImage fromMemory, fromFile;
  TakeGraphicsError();
  DecodePcxImage(data, size, fromMemory);
  const GraphicsErrorCode memoryError = CheckedResult(fromMemory);

  WriteFile(path, data, size);
  LoadPcxImage(path, fromFile);
  const GraphicsErrorCode fileError = CheckedResult(fromFile);

  if (memoryError != fileError || fromMemory.width != fromFile.width || fromMemory.height != fromFile.height) {
    std::abort();
  }
  if (!fromMemory.IsEmpty() && std::memcmp(fromMemory.pixels.get(), fromFile.pixels.get(),
                                           static_cast<size_t>(fromMemory.width) *
                                               static_cast<size_t>(fromMemory.height) * sizeof(RGB555)) != 0) {
    std::abort();
  }
  return 0;
}
