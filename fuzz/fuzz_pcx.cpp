// Feeds arbitrary bytes to the PCX decoder: it must never read or write outside
// its buffers, and it must return either an empty image or a complete one.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graphics/GraphicsError.h"
#include "graphics/PcxLoader.h"

namespace {

// Header sizes above this are valid but only cost the fuzzer memory, not coverage.
constexpr int64_t MaxPixels = 16 * 1024 * 1024;

int64_t ClaimedPixels(const uint8_t* data, size_t size) {
  if (size < 12) return 0;
  auto field = [data](size_t offset) { return int64_t{data[offset]} | (int64_t{data[offset + 1]} << 8); };
  return (std::llabs(field(8) - field(4)) + 1) * (std::llabs(field(10) - field(6)) + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (ClaimedPixels(data, size) > MaxPixels) return 0;
  HiColorImage image;
  TakeGraphicsError();
  DecodePcxImage(data, size, image);
  const int32_t error = TakeGraphicsError();
  if (image.IsEmpty()) {
    if (image.width != 0 || image.height != 0 || error == geNone) std::abort();
    return 0;
  }
  if (image.width <= 0 || image.height <= 0 || error != geNone) std::abort();
  // Touch both ends so the sanitizer checks the buffer really has width x height pixels.
  volatile RGB555 sink = image.pixels[0];
  sink = image.pixels[static_cast<size_t>(image.width) * static_cast<size_t>(image.height) - 1];
  (void)sink;
  return 0;
}
