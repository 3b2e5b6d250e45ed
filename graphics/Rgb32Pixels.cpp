#include "graphics/Rgb32Pixels.h"

#include <thread>

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

namespace {

void ConvertRows(const RGB555* source, int32_t sourceRowPixels, uint32_t* dest, int32_t destRowPixels, int32_t width,
                 int32_t firstRow, int32_t endRow) {
  for (int32_t y = firstRow; y < endRow; ++y) {
    ConvertRgb555ToRgb32(source + static_cast<ptrdiff_t>(y) * sourceRowPixels,
                         dest + static_cast<ptrdiff_t>(y) * destRowPixels, static_cast<size_t>(width));
  }
}

}  // namespace

void ConvertRgb555BlockToRgb32(const RGB555* source, int32_t sourceRowPixels, uint32_t* dest, int32_t destRowPixels,
                               int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  // A whole large picture (a tab's view coming back at 4K) is converted by two
  // threads, each half of the rows; a small one is not worth starting a thread.
  const bool split = int64_t(width) * height >= ParallelConversionPixels && std::thread::hardware_concurrency() > 1;
  if (!split) return ConvertRows(source, sourceRowPixels, dest, destRowPixels, width, 0, height);
  const int32_t middle = height / 2;
  std::thread lower(ConvertRows, source, sourceRowPixels, dest, destRowPixels, width, middle, height);
  ConvertRows(source, sourceRowPixels, dest, destRowPixels, width, 0, middle);
  lower.join();
}

}  // namespace tessmoor
