#include "graphics/Rgb32Pixels.h"

namespace tessmoor {

namespace {
// Blocks of a fixed length: plain arithmetic on them becomes vector code at -O2
// too, where the compiler leaves a loop of unknown length scalar.
constexpr size_t BlockPixels = 16;
}  // namespace

void ConvertRgb555ToRgb32(const RGB555* __restrict source, uint32_t* __restrict dest, size_t count) {
  size_t i = 0;
  for (; i + BlockPixels <= count; i += BlockPixels) {
    for (size_t k = 0; k < BlockPixels; ++k) dest[i + k] = Rgb555ToRgb32(source[i + k]);
  }
  for (; i < count; ++i) dest[i] = Rgb555ToRgb32(source[i]);
}

void ConvertRgb555BlockToRgb32(const RGB555* source, int32_t sourceRowPixels, uint32_t* dest, int32_t destRowPixels,
                               int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  for (int32_t y = 0; y < height; ++y) {
    ConvertRgb555ToRgb32(source + static_cast<ptrdiff_t>(y) * sourceRowPixels,
                         dest + static_cast<ptrdiff_t>(y) * destRowPixels, static_cast<size_t>(width));
  }
}

}  // namespace tessmoor
